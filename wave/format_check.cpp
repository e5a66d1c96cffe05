#include <cstdio>
#include <cstring>

#include "wave/header_read.h"

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

// The PCM sub-format GUID as it is stored on disk (its first three fields
// little-endian).
const unsigned char kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                         0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

// An extensible format record names its real format in a GUID after the
// 16-byte record. Many writers use it for plain PCM (some at any rate, others
// above 48 kHz), and such samples convert like any others. It counts only when
// the chunk declares the whole extension, the file really holds it, and the
// writer says it filled it in (cbSize); anything less stays unknown. Reads
// from the byte after the record; the walk finds the next chunk from the
// declared size, so where this leaves the stream does not matter.
bool extensibleIsPcm(std::FILE* stream, uint32_t chunkBytes) {
    if (chunkBytes < uint32_t{kWavFormatBytes + kWavFormatExtensionBytes}) {
        return false;
    }
    unsigned char bytes[kWavFormatExtensionBytes];
    if (std::fread(bytes, sizeof bytes, 1, stream) != 1) {
        return false;
    }
    WavFormatExtension extension = wavFormatExtensionDecode(bytes);
    return extension.cbSize >= 22 &&
           std::memcmp(extension.subFormat, kPcmSubFormat, sizeof kPcmSubFormat) == 0;
}

}  // namespace

int wavFormatCheck(std::FILE* stream, uint32_t chunkBytes, WavFormat* format) {
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
    // The stored tag is what the report and the refusal show; only the check
    // looks through an extensible record to the format it names.
    bool pcm = format->formatTag == kFormatPcm ||
               (format->formatTag == kFormatExtensible && extensibleIsPcm(stream, chunkBytes));
    if (!pcm) {
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
