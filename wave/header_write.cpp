#include "wave/header_write.h"

#include "wave/records.h"
#include "wave/stream.h"

int64_t wavHeaderWrite(std::FILE* stream, uint32_t dataSize, uint16_t channels, uint32_t sampleRate,
                       uint16_t bitsPerSample) {
    // Bytes per sample truncate, as the format defines them; the products are
    // 32-bit, and the block alignment keeps its low 16 bits.
    uint32_t bytesPerSample = bitsPerSample / 8u;
    WavHeader header;
    header.riff = RiffHeader{fourCcOf("RIFF"), dataSize + 36u, fourCcOf("WAVE")};
    header.formatChunk = ChunkHeader{fourCcOf("fmt "), kWavFormatBytes};
    header.format.formatTag = 1;
    header.format.channels = channels;
    header.format.sampleRate = sampleRate;
    header.format.byteRate = channels * bytesPerSample * sampleRate;
    header.format.blockAlign = static_cast<uint16_t>(bytesPerSample * channels);
    header.format.bitsPerSample = bitsPerSample;
    header.dataChunk = ChunkHeader{fourCcOf("data"), static_cast<int32_t>(dataSize)};

    unsigned char bytes[kWavHeaderBytes];
    wavHeaderEncode(header, bytes);
    // The position afterwards tells the caller whether the header was taken.
    std::fwrite(bytes, sizeof bytes, 1, stream);
    return streamTell(stream);
}
