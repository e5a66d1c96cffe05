#include "convert/file_convert.h"

#include <cstdio>

#include "convert/same_file.h"
#include "convert/sample_narrow.h"
#include "wave/console.h"
#include "wave/header_write.h"
#include "wave/records.h"
#include "wave/stream.h"

int wavFileConvert(const char* inputPath, const char* outputPath, const InputDescription& input) {
    // Opening the output empties it: if it is the input under any name, the
    // samples would be gone before they are read.
    if (sameFile(inputPath, outputPath)) {
        errorPrint("入力ファイルと出力ファイルが同じです.\n");
        return -1;
    }

    std::FILE* output = std::fopen(outputPath, "wb");
    if (output == nullptr) {
        errorPrint("%s をオープンできません.\n", outputPath);
        return -1;
    }

    // The header declares exactly the bytes that will follow it. Halving the
    // declared size instead would claim a byte too many when it is 4n + 2.
    if (wavHeaderWrite(output, narrowedDataSize(input.dataSize), 2, input.sampleRate,
                       static_cast<uint16_t>(input.bitsPerSample / 2)) != kWavHeaderBytes) {
        errorPrint("ヘッダを書き込めません: %s\n", outputPath);
        std::fclose(output);
        return -1;
    }

    std::FILE* inputStream = streamOpen(inputPath, "rb");
    if (inputStream == nullptr) {
        errorPrint("%s をオープンできません.\n", inputPath);
        std::fclose(output);
        return -1;
    }

    int result = wavDataWrite(inputStream, output, input.dataOffset, input.dataSize);
    std::fclose(inputStream);
    // The last buffered bytes reach the file only when it is closed; a disk
    // that fills up then must not end in a reported success.
    if (std::fclose(output) != 0) {
        result = -1;
    }
    if (result != 0) {
        errorPrint("wavDataWriteでエラー発生.\n");
    }
    return result;
}
