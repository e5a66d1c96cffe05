#include "wave/records.h"

#include <cstring>

namespace {

uint16_t readLe16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t readLe32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

FourCc readFourCc(const unsigned char* p) {
    FourCc id;
    std::memcpy(id.bytes, p, 4);
    return id;
}

void writeLe16(unsigned char* p, uint16_t value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
}

void writeLe32(unsigned char* p, uint32_t value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}

void writeFourCc(unsigned char* p, const FourCc& id) {
    std::memcpy(p, id.bytes, 4);
}

void chunkHeaderPut(unsigned char* p, const ChunkHeader& chunk) {
    writeFourCc(p, chunk.chunkId);
    writeLe32(p + 4, static_cast<uint32_t>(chunk.chunkSize));
}

}  // namespace

bool fourCcIs(const FourCc& id, const char* text) {
    return std::memcmp(id.bytes, text, 4) == 0;
}

FourCc fourCcOf(const char* text) {
    FourCc id;
    std::memcpy(id.bytes, text, 4);
    return id;
}

RiffHeader riffHeaderDecode(const unsigned char (&bytes)[kRiffHeaderBytes]) {
    return RiffHeader{readFourCc(bytes), readLe32(bytes + 4), readFourCc(bytes + 8)};
}

ChunkHeader chunkHeaderDecode(const unsigned char (&bytes)[kChunkHeaderBytes]) {
    // The size is stored as two's complement. Taking it apart in 64 bits keeps
    // the conversion exact under any C++ standard, not just where it happens
    // to wrap.
    int64_t size = readLe32(bytes + 4);
    if (size > INT32_MAX) {
        size -= int64_t{1} << 32;
    }
    return ChunkHeader{readFourCc(bytes), static_cast<int32_t>(size)};
}

WavFormat wavFormatDecode(const unsigned char (&bytes)[kWavFormatBytes]) {
    WavFormat format;
    format.formatTag = readLe16(bytes);
    format.channels = readLe16(bytes + 2);
    format.sampleRate = readLe32(bytes + 4);
    format.byteRate = readLe32(bytes + 8);
    format.blockAlign = readLe16(bytes + 12);
    format.bitsPerSample = readLe16(bytes + 14);
    return format;
}

WavFormatExtension wavFormatExtensionDecode(
    const unsigned char (&bytes)[kWavFormatExtensionBytes]) {
    WavFormatExtension extension;
    extension.cbSize = readLe16(bytes);
    extension.validBitsPerSample = readLe16(bytes + 2);
    extension.channelMask = readLe32(bytes + 4);
    std::memcpy(extension.subFormat, bytes + 8, sizeof extension.subFormat);
    return extension;
}

void wavHeaderEncode(const WavHeader& header, unsigned char (&bytes)[kWavHeaderBytes]) {
    writeFourCc(bytes, header.riff.riffId);
    writeLe32(bytes + 4, header.riff.riffSize);
    writeFourCc(bytes + 8, header.riff.waveId);
    chunkHeaderPut(bytes + 12, header.formatChunk);
    writeLe16(bytes + 20, header.format.formatTag);
    writeLe16(bytes + 22, header.format.channels);
    writeLe32(bytes + 24, header.format.sampleRate);
    writeLe32(bytes + 28, header.format.byteRate);
    writeLe16(bytes + 32, header.format.blockAlign);
    writeLe16(bytes + 34, header.format.bitsPerSample);
    chunkHeaderPut(bytes + 36, header.dataChunk);
}
