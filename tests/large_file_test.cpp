// A "data" chunk between 2 and 4 GiB: positions and sizes must not wrap at
// 2 GiB anywhere. The input is sparse, so it costs almost no disk; the output
// is about 1.1 GiB and is removed afterwards.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/fixture.h"
#include "support/run.h"
#include "support/texts.h"

namespace {

using fixture::chunk;

constexpr uint32_t kDataSize = 0x90000000;  // 2.25 GiB of 16-bit frames
constexpr uint64_t kFrames = kDataSize / 4;
constexpr uint64_t kOutputData = kFrames * 2;

// Writes `bytes` at `offset`, growing the file; skipped regions stay holes.
void writeAt(const std::filesystem::path& path, uint64_t offset, const std::string& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.flush()) << "cannot write at " << offset;
}

std::string readAt(const std::filesystem::path& path, uint64_t offset, size_t count) {
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(offset));
    std::string bytes(count, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
}

TEST(LargeFile, ConvertsDataBetween2And4GiB) {
    std::filesystem::path dir = fixture::scratchDir();
    std::filesystem::space_info space = std::filesystem::space(dir);
    if (space.available < (uint64_t{4} << 30)) {
        GTEST_SKIP() << "needs 4 GiB free for a 1.1 GiB output; " << (space.available >> 20)
                     << " MiB available";
    }

    // Marked frames at the start, across the 2 GiB boundary of the input and
    // at the very end; everything else is zeros (holes).
    const std::string head = fixture::noiseSamples(1000, 11);
    const std::string middle = fixture::noiseSamples(1000, 12);
    const std::string tail = fixture::noiseSamples(1000, 13);
    const uint64_t middleFrame = (uint64_t{1} << 31) / 4 - 500;
    const uint64_t tailFrame = kFrames - 1000;
    std::filesystem::path input = dir / "in.wav";
    fixture::writeFile(input, fixture::riffWave(chunk("fmt ", fixture::pcmFormat(44100, 16))) +
                                  "data" + fixture::le32(kDataSize));
    writeAt(input, 44, head);
    writeAt(input, 44 + middleFrame * 4, middle);
    writeAt(input, 44 + tailFrame * 4, tail);
    ASSERT_EQ(std::filesystem::file_size(input), 44 + uint64_t{kDataSize});

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    EXPECT_EQ(result.out, run::text(texts::canonicalReport("in.wav", 44100, 16,
                                                           static_cast<int32_t>(kDataSize)) +
                                    texts::converted("in.wav", "out.wav")));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    std::filesystem::path output = dir / "out.wav";
    EXPECT_EQ(std::filesystem::file_size(output), 44 + kOutputData);
    EXPECT_EQ(readAt(output, 0, 44),
              fixture::outputHeader(44100, static_cast<uint32_t>(kOutputData)));
    EXPECT_EQ(readAt(output, 44, 2000), fixture::narrowed(head, 1000));
    EXPECT_EQ(readAt(output, 44 + middleFrame * 2, 2000), fixture::narrowed(middle, 1000));
    EXPECT_EQ(readAt(output, 44 + tailFrame * 2, 2000), fixture::narrowed(tail, 1000));
    // Zeros between the marks become the 8-bit zero level.
    EXPECT_EQ(readAt(output, 44 + 2000, 16), std::string(16, '\x80'));
    EXPECT_EQ(readAt(output, 44 + (tailFrame - 8) * 2, 16), std::string(16, '\x80'));
    std::filesystem::remove_all(dir);
}

}  // namespace
