#include "wave/header_read.h"

#include <cstdio>

#include "wave/console.h"
#include "wave/stream.h"

namespace {

int riffHeaderCheck(std::FILE* stream) {
    unsigned char bytes[kRiffHeaderBytes];
    if (std::fread(bytes, sizeof bytes, 1, stream) != 1) {
        // The position after the failed read is how much of the file there was.
        errorPrint(" %ld で読み込み失敗.\n", static_cast<long>(streamTell(stream)));
        return -1;
    }
    RiffHeader riff = riffHeaderDecode(bytes);
    if (!fourCcIs(riff.riffId, "RIFF")) {
        errorPrint("'RIFF' フォーマットでない.\n");
        return -1;
    }
    if (!fourCcIs(riff.waveId, "WAVE")) {
        errorPrint("'WAVE' が無い.\n");
        return -1;
    }
    // riffSize is not trusted: writers often leave it wrong, and the chunk
    // walk stops at the real end of the file anyway.
    return 0;
}

// Walks the chunks after the RIFF header up to "data". The walk ends at the
// first header that cannot be read whole, which is the normal end of a file.
int chunkWalk(std::FILE* stream, InputDescription* input) {
    bool formatSeen = false;
    bool dataSeen = false;
    int64_t position = kRiffHeaderBytes;
    for (;;) {
        unsigned char bytes[kChunkHeaderBytes];
        if (std::fread(bytes, sizeof bytes, 1, stream) != 1) {
            break;
        }
        ChunkHeader chunk = chunkHeaderDecode(bytes);
        position += kChunkHeaderBytes;

        if (fourCcIs(chunk.chunkId, "fmt ")) {
            std::printf("\"fmt \"の長さ: %ld [bytes]\n\n", static_cast<long>(chunk.chunkSize));
            WavFormat format;
            if (wavFormatCheck(stream, &format) != 0) {
                return -1;
            }
            // A later "fmt " chunk replaces an earlier one.
            input->sampleRate = format.sampleRate;
            input->bitsPerSample = format.bitsPerSample;
            formatSeen = true;
        } else if (fourCcIs(chunk.chunkId, "data")) {
            input->dataSize = chunkByteCount(chunk);
            std::printf("\n\"data\" の長さ: %ld [bytes]\n", static_cast<long>(chunk.chunkSize));
            input->dataOffset = position;
            dataSeen = true;
            break;
        } else {
            const char* id = chunk.chunkId.bytes;
            std::printf("\"%c%c%c%c\"の長さ: %ld [bytes]\n\n", id[0], id[1], id[2], id[3],
                        static_cast<long>(chunk.chunkSize));
        }

        // The size is reported signed but skipped as the unsigned count it is
        // on disk, in 64 bits: the walk only ever moves forwards, so it always
        // ends, and a size that runs past the end of the file simply makes the
        // next header read fail. No pad byte follows a chunk of odd size.
        position += chunkByteCount(chunk);
        if (streamSeek(stream, position) != 0) {
            break;
        }
    }

    if (!formatSeen) {
        errorPrint("'fmt ' が無い.\n");
        return -1;
    }
    if (!dataSeen) {
        errorPrint("'data' が無い.\n");
        return -1;
    }
    return 0;
}

}  // namespace

int wavHeaderRead(const char* path, InputDescription* input) {
    std::FILE* stream = streamOpen(path, "rb");
    if (stream == nullptr) {
        errorPrint(" %sをオープンできません.\n", path);
        return -1;
    }
    std::printf("\n%s :\n", path);
    int result = riffHeaderCheck(stream);
    if (result == 0) {
        result = chunkWalk(stream, input);
    }
    std::fclose(stream);
    return result;
}
