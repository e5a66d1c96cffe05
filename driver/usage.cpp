#include "driver/usage.h"

#include "wave/console.h"

void printUsage() {
    errorPrint(
        "16ビットサンプルの wav ファイルを8ビットサンプルに変換します.\n"
        "引数に <入力ファイル名> <出力ファイル名> を指定してください.\n"
        "\n"
        "例 : kenrow  foo.wav bar.wav\n");
}
