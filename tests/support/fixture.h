// WAVE fixtures built byte by byte, and small file helpers for the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace fixture {

std::string le16(uint16_t value);
std::string le32(uint32_t value);

// A chunk: identifier, the declared size, then the body as given. The declared
// size defaults to the body's length; no pad byte is added.
std::string chunk(const std::string& id, const std::string& body);
std::string chunkDeclaring(const std::string& id, uint32_t declaredSize, const std::string& body);

// The 16-byte format record.
std::string formatRecord(uint16_t formatTag, uint16_t channels, uint32_t sampleRate,
                         uint32_t byteRate, uint16_t blockAlign, uint16_t bitsPerSample);
// The record of a stereo PCM file with consistent rate and alignment.
std::string pcmFormat(uint32_t sampleRate, uint16_t bitsPerSample);

// The sub-format GUIDs of an extensible format record, as stored on disk.
extern const std::string kPcmGuid;
extern const std::string kFloatGuid;

// The 40-byte body of an extensible "fmt " chunk (format tag 0xFFFE): the
// 16-byte record with a consistent rate and alignment, then cbSize, the valid
// bits, a front-left/front-right channel mask and the GUID.
std::string extensibleFormat(uint16_t channels, uint32_t sampleRate, uint16_t bitsPerSample,
                             uint16_t cbSize = 22, const std::string& guid = kPcmGuid);

// "RIFF", a size covering what follows, "WAVE", then the chunks.
std::string riffWave(const std::string& chunks);

// A canonical 16-bit stereo file: 16-byte "fmt " chunk, then "data".
std::string canonical16(const std::string& samples, uint32_t sampleRate = 44100);

// Little-endian bytes of 16-bit samples, in order (left, right, left, ...).
std::string samples16(std::initializer_list<int16_t> values);

// The 44-byte header the command must write for an 8-bit stereo output.
std::string outputHeader(uint32_t sampleRate, uint32_t dataSize);

// The expected 8-bit data for the first `frames` frames of 16-bit sample bytes:
// each sample s becomes ((s >> 8) + 128) & 0xFF.
std::string narrowed(const std::string& samples, size_t frames);

// Deterministic, varied 16-bit sample bytes for `frames` frames.
std::string noiseSamples(size_t frames, uint32_t seed = 1);

void writeFile(const std::filesystem::path& path, const std::string& bytes);
std::string readFile(const std::filesystem::path& path);

// A fresh, empty folder for the running test, under the working directory.
std::filesystem::path scratchDir();

}  // namespace fixture
