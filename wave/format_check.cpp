#include <cstdio>

#include "wave/header_read.h"

int wavFormatCheck(std::FILE* stream, WavFormat* format) {
    // The record is read whole whatever the chunk declares: a "fmt " chunk
    // that claims fewer than 16 bytes still yields the 16 bytes after its
    // header. A file that ends first is refused without a message.
    unsigned char bytes[kWavFormatBytes];
    if (std::fread(bytes, sizeof bytes, 1, stream) != 1) {
        return -1;
    }
    *format = wavFormatDecode(bytes);

    // Each label is padded so that its colon falls on the 24th byte of the
    // line in Shift_JIS, which lines the values up in a column.
    std::printf("             データ形式: %u (1 = PCM)\n", unsigned{format->formatTag});
    std::printf("           チャンネル数: %u\n", unsigned{format->channels});
    std::printf("     サンプリング周波数: %lu [Hz]\n",
                static_cast<unsigned long>(format->sampleRate));
    std::printf("          バイト数 / 秒: %lu [bytes/sec]\n",
                static_cast<unsigned long>(format->byteRate));
    std::printf(" バイト数×チャンネル数: %u [bytes]\n", unsigned{format->blockAlign});
    std::printf("    ビット数 / サンプル: %u [bits/sample]\n", unsigned{format->bitsPerSample});

    // Refusals go to standard output beside the report they explain.
    if (format->channels != 2) {
        std::printf("\nこのプログラムはステレオのファイルを対象とします.\n");
        std::printf("このwavファイルのチャンネル数は %d です．\n", int{format->channels});
        return -1;
    }
    if (format->formatTag != 1) {
        std::printf("\nこのプログラムは無圧縮PCMのみを対象とします.\n");
        std::printf("このwavファイルの形式は %04X です．\n", unsigned{format->formatTag});
        return -1;
    }
    if (format->bitsPerSample != 8 && format->bitsPerSample != 16) {
        std::printf("\nこのプログラムは8/16ビットサンプリングされたものを対象とします\n");
        std::printf("このwavファイルの bits/secは %d です．\n", int{format->bitsPerSample});
        return -1;
    }
    return 0;
}
