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

// Where the next chunk header starts after the chunk whose data starts at
// `dataStart`, with the stream moved there. RIFF follows a chunk of odd size
// with one zero pad byte that the size does not count, but some writers leave
// the pad out. A chunk identifier never starts with a zero byte, so a zero
// there is the pad and anything else is already the next header. Returns -1
// if the stream cannot be moved.
int64_t nextChunkPosition(std::FILE* stream, int64_t dataStart, uint32_t chunkBytes) {
    int64_t chunkEnd = dataStart + chunkBytes;
    if (streamSeek(stream, chunkEnd) != 0) {
        return -1;
    }
    if (chunkBytes % 2 == 1) {
        int next = std::fgetc(stream);
        if (next == 0) {
            return chunkEnd + 1;
        }
        // The next header's first byte (or the end of the file): put it back.
        if (next != EOF) {
            std::ungetc(next, stream);
        }
    }
    return chunkEnd;
}

// A writer that cannot seek back to its header, such as one writing to a
// pipe, leaves the largest size in the "data" chunk: the data runs to the end
// of the file. The real length is measured here so that the output header can
// declare it exactly, capped at the most a RIFF size can hold. If the file
// cannot be measured the size stays as declared, and the conversion fails at
// the end of the data as it would for any short file.
uint32_t streamedDataSize(std::FILE* stream, int64_t dataOffset) {
    int64_t end = streamSeekEnd(stream);
    if (end < 0) {
        return kStreamedDataSize;
    }
    int64_t available = end > dataOffset ? end - dataOffset : 0;
    return available < int64_t{kStreamedDataSize} ? static_cast<uint32_t>(available)
                                                  : kStreamedDataSize;
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
            if (wavFormatCheck(stream, chunkByteCount(chunk), &format) != 0) {
                return -1;
            }
            // A later "fmt " chunk replaces an earlier one.
            input->sampleRate = format.sampleRate;
            input->bitsPerSample = format.bitsPerSample;
            formatSeen = true;
        } else if (fourCcIs(chunk.chunkId, "data")) {
            // The report shows the size as declared, -1 for a streamed file.
            std::printf("\n\"data\" の長さ: %ld [bytes]\n", static_cast<long>(chunk.chunkSize));
            input->dataOffset = position;
            input->dataSize = chunkByteCount(chunk);
            if (input->dataSize == kStreamedDataSize) {
                input->dataSize = streamedDataSize(stream, position);
            }
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
        // next header read fail.
        position = nextChunkPosition(stream, position, chunkByteCount(chunk));
        if (position < 0) {
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
