#include "driver/kenrow.h"

#include <cstdio>

#include "convert/file_convert.h"
#include "driver/usage.h"
#include "wave/console.h"
#include "wave/header_read.h"

int kenrowMain(int argc, char** argv) {
    // No options: any two arguments are the input and output paths.
    if (argc != 3) {
        printUsage();
        return -1;
    }
    const char* inputPath = argv[1];
    const char* outputPath = argv[2];

    InputDescription input;
    if (wavHeaderRead(inputPath, &input) != 0) {
        return -1;
    }
    if (input.bitsPerSample != 16) {
        errorPrint("サンプリングビット数は16ビットでなければなりません\n");
        return -1;
    }
    if (wavFileConvert(inputPath, outputPath, input) != 0) {
        return -1;
    }
    std::printf("\n%s を %sへ変換しました.\n", inputPath, outputPath);
    return 0;
}
