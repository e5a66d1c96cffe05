#include "convert/sample_narrow.h"

#include "wave/stream.h"

namespace {

// Frames moved per read and per write: 1 MiB in, 512 KiB out. Fewer, larger
// calls cost less kernel time per byte (measured: 256 KiB and 512 KiB reads
// were slower); 2 MiB was a little faster still, but its buffers would make a
// large file take 1.5 MiB more memory than a small one, and 16 MiB was slower
// again. The buffers are static: the program uses no heap of its own, and a
// Windows main thread has only 1 MiB of stack.
constexpr size_t kBlockFrames = 256 * 1024;
constexpr size_t kInputFrameBytes = 4;
constexpr size_t kOutputFrameBytes = 2;

unsigned char inputBlock[kBlockFrames * kInputFrameBytes];
unsigned char outputBlock[kBlockFrames * kOutputFrameBytes];

// Whole input frames in `dataSize` bytes; 1 to 3 trailing bytes are not part
// of any frame.
uint32_t wholeFramesIn(uint32_t dataSize) {
    return dataSize / static_cast<uint32_t>(kInputFrameBytes);
}

}  // namespace

uint32_t narrowedDataSize(uint32_t dataSize) {
    return wholeFramesIn(dataSize) * static_cast<uint32_t>(kOutputFrameBytes);
}

void frameBlockNarrow(const unsigned char* input, unsigned char* output, size_t frames) {
    // A sample s becomes ((s >> 8) + 128) & 0xFF: its high byte (the second,
    // little-endian) with the top bit inverted. The low byte is dropped; there
    // is no rounding or dithering. Both samples of a frame are handled alike,
    // so the loop runs over samples and vectorises.
    size_t samples = frames * 2;
    for (size_t i = 0; i < samples; ++i) {
        output[i] = static_cast<unsigned char>(input[2 * i + 1] ^ 0x80);
    }
}

int wavSampleNarrow(std::FILE* input, std::FILE* output, uint32_t dataSize) {
    uint32_t framesLeft = wholeFramesIn(dataSize);
    while (framesLeft > 0) {
        size_t frames = framesLeft < kBlockFrames ? framesLeft : kBlockFrames;
        size_t bytesRead = std::fread(inputBlock, 1, frames * kInputFrameBytes, input);
        // A short read still yields every whole frame before it, exactly as a
        // frame-at-a-time loop would have written them before failing.
        size_t wholeFrames = bytesRead / kInputFrameBytes;
        frameBlockNarrow(inputBlock, outputBlock, wholeFrames);
        size_t outputBytes = wholeFrames * kOutputFrameBytes;
        if (std::fwrite(outputBlock, 1, outputBytes, output) != outputBytes) {
            return -1;
        }
        if (wholeFrames != frames) {
            return -1;
        }
        framesLeft -= static_cast<uint32_t>(frames);
    }
    return 0;
}

int wavDataWrite(std::FILE* input, std::FILE* output, int64_t dataOffset, uint32_t dataSize) {
    // Reading on from wherever the stream stands after a failed seek would
    // turn header bytes into samples, so a failed seek fails the conversion.
    if (streamSeek(input, dataOffset) != 0) {
        return -1;
    }
    return wavSampleNarrow(input, output, dataSize);
}
