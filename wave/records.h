// On-disk WAVE records. Every multi-byte field is little-endian on disk; the
// records below are plain values, decoded from and encoded to fixed byte blocks
// one field at a time so that the layout never depends on the host's byte order
// or on how a compiler packs a struct.
#pragma once

#include <cstdint>

// Sizes of the on-disk blocks, in bytes.
constexpr int kRiffHeaderBytes = 12;
constexpr int kChunkHeaderBytes = 8;
constexpr int kWavFormatBytes = 16;
constexpr int kWavHeaderBytes = 44;
constexpr int kWavFormatExtensionBytes = 24;

// A four-byte identifier, compared byte for byte: case matters and the
// trailing space of "fmt " is part of it.
struct FourCc {
    char bytes[4];
};

// The first 12 bytes of a WAVE file.
struct RiffHeader {
    FourCc riffId;
    uint32_t riffSize;
    FourCc waveId;
};

// The 8 bytes in front of every chunk. The size is kept signed because that
// is how it is reported; a reader that skips the chunk widens it as unsigned.
struct ChunkHeader {
    FourCc chunkId;
    int32_t chunkSize;
};

// The first 16 bytes of a "fmt " chunk's data.
struct WavFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t sampleRate;
    uint32_t byteRate;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
};

// The 24 bytes that follow the format record in a "fmt " chunk of the
// extensible kind (format tag 0xFFFE): the real format lives in the GUID.
struct WavFormatExtension {
    uint16_t cbSize;  // bytes of extension the writer says follow; 22 for this layout
    uint16_t validBitsPerSample;
    uint32_t channelMask;
    unsigned char subFormat[16];  // a GUID, stored as its on-disk bytes
};

// The 44-byte canonical header that starts every output file: a RIFF header,
// a 16-byte "fmt " chunk and the "data" chunk header.
struct WavHeader {
    RiffHeader riff;
    ChunkHeader formatChunk;
    WavFormat format;
    ChunkHeader dataChunk;
};

// A chunk's size as the unsigned byte count that it is on disk: what a reader
// skips or reads. Every use of a size as a count goes through here.
inline uint32_t chunkByteCount(const ChunkHeader& chunk) {
    return static_cast<uint32_t>(chunk.chunkSize);
}

bool fourCcIs(const FourCc& id, const char* text);
FourCc fourCcOf(const char* text);

RiffHeader riffHeaderDecode(const unsigned char (&bytes)[kRiffHeaderBytes]);
ChunkHeader chunkHeaderDecode(const unsigned char (&bytes)[kChunkHeaderBytes]);
WavFormat wavFormatDecode(const unsigned char (&bytes)[kWavFormatBytes]);
WavFormatExtension wavFormatExtensionDecode(const unsigned char (&bytes)[kWavFormatExtensionBytes]);
void wavHeaderEncode(const WavHeader& header, unsigned char (&bytes)[kWavHeaderBytes]);
