// End-to-end: the output file, its header and data, and the conversion's
// failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "convert/sample_narrow.h"
#include "support/fixture.h"
#include "support/run.h"
#include "support/texts.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using fixture::chunk;
using fixture::chunkDeclaring;
using fixture::le32;
using fixture::pcmFormat;
using fixture::riffWave;

std::string narrowOneSample(int16_t sample) {
    return fixture::narrowed(fixture::samples16({sample, sample}), 1).substr(0, 1);
}

TEST(Narrow, WorkedValues) {
    const std::vector<std::pair<int16_t, int>> table = {
        {0, 128},  {255, 128},  {256, 129},  {32767, 255},
        {-1, 127}, {-256, 127}, {-257, 126}, {-32768, 0},
    };
    std::string samples;
    std::string expected;
    for (const auto& [sample, value] : table) {
        samples += fixture::samples16({sample});
        expected += static_cast<char>(value);
        EXPECT_EQ(static_cast<unsigned char>(narrowOneSample(sample)[0]), value) << sample;
    }
    std::string out(expected.size(), '\0');
    frameBlockNarrow(reinterpret_cast<const unsigned char*>(samples.data()),
                     reinterpret_cast<unsigned char*>(out.data()), table.size() / 2);
    EXPECT_EQ(out, expected);
}

// Every possible sample value, end to end, left and right.
TEST(Narrow, SweepsAllSampleValues) {
    std::string samples;
    for (int value = -32768; value <= 32767; ++value) {
        samples += fixture::samples16({static_cast<int16_t>(value)});
    }
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", fixture::canonical16(samples, 8000));

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    ASSERT_EQ(result.status, 0) << result.err;
    std::string out = fixture::readFile(dir / "out.wav");
    ASSERT_EQ(out.size(), 44u + 65536u);
    EXPECT_EQ(out.substr(0, 44), fixture::outputHeader(8000, 65536));
    for (int i = 0; i < 65536; ++i) {
        int sample = i - 32768;
        ASSERT_EQ(static_cast<unsigned char>(out[44 + i]), ((sample >> 8) + 128) & 0xFF) << sample;
    }
}

struct DataCase {
    const char* name;
    uint32_t declared;     // the "data" chunk's declared size
    std::string data;      // the bytes that really follow its header
    std::string after;     // bytes after those (further chunks)
    uint32_t headerSize;   // data size the output header must declare
    size_t framesWritten;  // frames the output must hold
    bool succeeds;
};

void PrintTo(const DataCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<DataCase> dataCases() {
    const std::string noise = fixture::noiseSamples(4);
    const std::string big = fixture::noiseSamples(200000, 7);
    return {
        {"Empty", 0, "", "", 0, 0, true},
        {"WholeFrames", 16, noise, "", 8, 4, true},
        // 1 to 3 bytes beyond the last whole frame are dropped, and the header
        // declares only what is written.
        {"OneByteOver", 13, noise.substr(0, 13), "", 6, 3, true},
        {"TwoBytesOver", 14, noise.substr(0, 14), "", 6, 3, true},
        {"ThreeBytesOver", 15, noise.substr(0, 15), "", 6, 3, true},
        {"ChunksAfterData", 12, noise.substr(0, 12), chunk("LIST", "trailing") + noise, 6, 3, true},
        {"ManyBlocks", 800000, big, "", 400000, 200000, true},
        // The input ends before its declared data: every whole frame before the
        // short one is written, and the run fails.
        {"TruncatedMidFrame", 16, noise.substr(0, 10), "", 8, 2, false},
        {"TruncatedAtFrame", 16, noise.substr(0, 8), "", 8, 2, false},
        {"TruncatedInLaterBlock", 800000, big.substr(0, 600003), "", 400000, 150000, false},
        {"Declared2GiB", 0x80000000, noise, "", 0x40000000, 4, false},
        {"Declared4GiBMinus4", 0xFFFFFFFC, noise, "", 0x7FFFFFFE, 4, false},
        // The largest size is what a writer that could not seek back leaves:
        // the data runs to the end of the file, and the header declares what
        // is really there.
        {"Streamed", 0xFFFFFFFF, noise, "", 8, 4, true},
        {"StreamedPartialFrame", 0xFFFFFFFF, noise.substr(0, 15), "", 6, 3, true},
        {"StreamedEmpty", 0xFFFFFFFF, "", "", 0, 0, true},
        {"StreamedManyBlocks", 0xFFFFFFFF, big.substr(0, 600003), "", 300000, 150000, true},
    };
}

class DataTest : public testing::TestWithParam<DataCase> {};

TEST_P(DataTest, WritesHeaderAndEveryWholeFrame) {
    const DataCase& c = GetParam();
    std::filesystem::path dir = fixture::scratchDir();
    std::string input = riffWave(chunk("fmt ", pcmFormat(22050, 16)) +
                                 chunkDeclaring("data", c.declared, c.data) + c.after);
    fixture::writeFile(dir / "in.wav", input);

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    std::string report =
        texts::canonicalReport("in.wav", 22050, 16, static_cast<int32_t>(c.declared));
    if (c.succeeds) {
        EXPECT_EQ(result.out, run::text(report + texts::converted("in.wav", "out.wav")));
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.status, 0);
    } else {
        EXPECT_EQ(result.out, run::text(report));
        EXPECT_EQ(result.err, run::text(texts::dataWriteFailed()));
        EXPECT_EQ(result.status, run::kFailureStatus);
    }
    EXPECT_EQ(fixture::readFile(dir / "out.wav"), fixture::outputHeader(22050, c.headerSize) +
                                                      fixture::narrowed(c.data, c.framesWritten));
    EXPECT_EQ(fixture::readFile(dir / "in.wav"), input);
}

INSTANTIATE_TEST_SUITE_P(DeclaredSizes, DataTest, testing::ValuesIn(dataCases()),
                         [](const testing::TestParamInfo<DataCase>& info) {
                             return std::string(info.param.name);
                         });

// The header takes the rate of the "fmt " chunk that decides and nothing else
// from the input's format: byte rate and alignment are its own, and its tag
// is plain PCM whatever the input's.
TEST(OutputHeader, TakesOnlyTheRateFromTheInput) {
    struct Case {
        std::string what;
        std::string formatChunks;
        uint32_t rate;
    };
    std::vector<Case> cases;
    for (uint32_t rate : {8000u, 44100u, 96000u, 0x80000000u, 0xFFFFFFFFu}) {
        cases.push_back({"inconsistent byte rate and alignment",
                         chunk("fmt ", fixture::formatRecord(1, 2, rate, 12345, 7, 16)), rate});
    }
    cases.push_back({"second fmt chunk decides",
                     chunk("fmt ", pcmFormat(8000, 16)) + chunk("fmt ", pcmFormat(48000, 16)),
                     48000});
    cases.push_back(
        {"extensible input", chunk("fmt ", fixture::extensibleFormat(2, 96000, 16)), 96000});
    const std::string samples = fixture::noiseSamples(10, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << ", rate " << c.rate);
        std::filesystem::path dir = fixture::scratchDir();
        fixture::writeFile(dir / "in.wav", riffWave(c.formatChunks + chunk("data", samples)));

        run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(fixture::readFile(dir / "out.wav"),
                  fixture::outputHeader(c.rate, 20) + fixture::narrowed(samples, 10));
    }
}

TEST(OutputFile, ReplacesALongerExistingFile) {
    std::filesystem::path dir = fixture::scratchDir();
    const std::string samples = fixture::samples16({1, 2, 3, 4});
    fixture::writeFile(dir / "in.wav", fixture::canonical16(samples));
    fixture::writeFile(dir / "out.wav", std::string(5000, 'x'));

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(fixture::readFile(dir / "out.wav"),
              fixture::outputHeader(44100, 4) + fixture::narrowed(samples, 2));
}

TEST(OutputFile, UnopenableOutputIsRefused) {
    std::filesystem::path dir = fixture::scratchDir();
    const std::string input = fixture::canonical16(fixture::samples16({1, 2}));
    fixture::writeFile(dir / "in.wav", input);
    std::filesystem::create_directory(dir / "folder.wav");
    for (const std::string output : {"missing/out.wav", "folder.wav"}) {
        SCOPED_TRACE(output);
        run::Result result = run::kenrow({"in.wav", output}, dir);

        EXPECT_EQ(result.out, run::text(texts::canonicalReport("in.wav", 44100, 16, 4)));
        EXPECT_EQ(result.err, run::text(texts::cannotOpenOutput(output)));
        EXPECT_EQ(result.status, run::kFailureStatus);
        EXPECT_EQ(fixture::readFile(dir / "in.wav"), input);
    }
}

// Opening the output empties it, so the input must never be the output, under
// whatever name.
TEST(OutputFile, RefusesToOverwriteItsInput) {
    std::filesystem::path dir = fixture::scratchDir();
    const std::string input = fixture::canonical16(fixture::noiseSamples(100));
    fixture::writeFile(dir / "in.wav", input);
    std::filesystem::create_directory(dir / "sub");
    std::vector<std::string> outputs = {"in.wav", "./in.wav", "sub/../in.wav"};
    std::error_code error;
    std::filesystem::create_hard_link(dir / "in.wav", dir / "hard.wav", error);
    if (!error) {
        outputs.push_back("hard.wav");
    }
    std::filesystem::create_symlink("in.wav", dir / "soft.wav", error);
    if (!error) {
        outputs.push_back("soft.wav");
    }
#ifndef _WIN32
    ASSERT_EQ(outputs.size(), 5u) << "links could not be made";
#endif
    for (const std::string& output : outputs) {
        SCOPED_TRACE(output);
        run::Result result = run::kenrow({"in.wav", output}, dir);

        EXPECT_EQ(result.out, run::text(texts::canonicalReport("in.wav", 44100, 16, 400)));
        EXPECT_EQ(result.err, run::text(texts::sameFile()));
        EXPECT_EQ(result.status, run::kFailureStatus);
        EXPECT_EQ(fixture::readFile(dir / "in.wav"), input);
    }
}

#ifndef _WIN32

// A full disk must not end in a reported success, whether the data fails
// while it is written or only when the last buffered bytes are flushed.
TEST(OutputFile, FullDiskFails) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    for (size_t frames : {size_t{1}, size_t{300000}}) {
        SCOPED_TRACE(frames);
        std::filesystem::path dir = fixture::scratchDir();
        fixture::writeFile(dir / "in.wav", fixture::canonical16(fixture::noiseSamples(frames)));

        run::Result result = run::kenrow({"in.wav", "/dev/full"}, dir);

        EXPECT_EQ(result.out, run::text(texts::canonicalReport("in.wav", 44100, 16,
                                                               static_cast<int32_t>(frames * 4))));
        EXPECT_EQ(result.err, run::text(texts::dataWriteFailed()));
        EXPECT_EQ(result.status, run::kFailureStatus);
    }
}

// A pipe has no position, so the header cannot be confirmed at 44 bytes.
TEST(OutputFile, PipeOutputCannotTakeTheHeader) {
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", fixture::canonical16(fixture::samples16({1, 2})));
    std::filesystem::path fifo = dir / "pipe.wav";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string drained;
    std::thread reader([&] {
        int fd = open(fifo.c_str(), O_RDONLY);
        char buffer[256];
        ssize_t n;
        while ((n = read(fd, buffer, sizeof buffer)) > 0) {
            drained.append(buffer, static_cast<size_t>(n));
        }
        close(fd);
    });

    run::Result result = run::kenrow({"in.wav", "pipe.wav"}, dir);
    reader.join();

    EXPECT_EQ(result.out, run::text(texts::canonicalReport("in.wav", 44100, 16, 4)));
    EXPECT_EQ(result.err, run::text(texts::cannotWriteHeader("pipe.wav")));
    EXPECT_EQ(result.status, run::kFailureStatus);
}

#endif

}  // namespace
