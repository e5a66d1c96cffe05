#include "support/fixture.h"

#include <gtest/gtest.h>

#include "support/names.h"

namespace fixture {

std::string le16(uint16_t value) {
    return std::string{static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string le32(uint32_t value) {
    return le16(static_cast<uint16_t>(value & 0xFFFF)) + le16(static_cast<uint16_t>(value >> 16));
}

std::string chunk(const std::string& id, const std::string& body) {
    return chunkDeclaring(id, static_cast<uint32_t>(body.size()), body);
}

std::string chunkDeclaring(const std::string& id, uint32_t declaredSize, const std::string& body) {
    return id + le32(declaredSize) + body;
}

std::string formatRecord(uint16_t formatTag, uint16_t channels, uint32_t sampleRate,
                         uint32_t byteRate, uint16_t blockAlign, uint16_t bitsPerSample) {
    return le16(formatTag) + le16(channels) + le32(sampleRate) + le32(byteRate) + le16(blockAlign) +
           le16(bitsPerSample);
}

std::string pcmFormat(uint32_t sampleRate, uint16_t bitsPerSample) {
    uint16_t blockAlign = static_cast<uint16_t>(2 * (bitsPerSample / 8));
    return formatRecord(1, 2, sampleRate, sampleRate * blockAlign, blockAlign, bitsPerSample);
}

const std::string kPcmGuid("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
const std::string kFloatGuid("\x03\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71",
                             16);

std::string extensibleFormat(uint16_t channels, uint32_t sampleRate, uint16_t bitsPerSample,
                             uint16_t cbSize, const std::string& guid) {
    uint16_t blockAlign = static_cast<uint16_t>(channels * (bitsPerSample / 8));
    return formatRecord(0xFFFE, channels, sampleRate, sampleRate * blockAlign, blockAlign,
                        bitsPerSample) +
           le16(cbSize) + le16(bitsPerSample) + le32(3) + guid;
}

std::string riffWave(const std::string& chunks) {
    return "RIFF" + le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

std::string canonical16(const std::string& samples, uint32_t sampleRate) {
    return riffWave(chunk("fmt ", pcmFormat(sampleRate, 16)) + chunk("data", samples));
}

std::string samples16(std::initializer_list<int16_t> values) {
    std::string bytes;
    for (int16_t value : values) {
        bytes += le16(static_cast<uint16_t>(value));
    }
    return bytes;
}

std::string outputHeader(uint32_t sampleRate, uint32_t dataSize) {
    return "RIFF" + le32(dataSize + 36) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(2) +
           le32(sampleRate) + le32(2 * sampleRate) + le16(2) + le16(8) + "data" + le32(dataSize);
}

std::string narrowed(const std::string& samples, size_t frames) {
    std::string out;
    for (size_t i = 0; i < frames * 2; ++i) {
        int s = static_cast<int16_t>(
            static_cast<uint16_t>(static_cast<unsigned char>(samples[2 * i]) |
                                  (static_cast<unsigned char>(samples[2 * i + 1]) << 8)));
        out += static_cast<char>(((s >> 8) + 128) & 0xFF);
    }
    return out;
}

std::string noiseSamples(size_t frames, uint32_t seed) {
    std::string bytes(frames * 4, '\0');
    uint32_t state = seed;
    for (char& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

// One way to read and write files for every test: the narrow functions the
// command itself uses.
void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    names::writeFile(path.string(), bytes);
}

std::string readFile(const std::filesystem::path& path) {
    return names::readFile(path.string());
}

std::filesystem::path scratchDir() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    std::filesystem::path dir = std::filesystem::current_path() / "scratch" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace fixture
