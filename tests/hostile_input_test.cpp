// End-to-end: sizes and layouts that a careless reader would loop on, read
// past, or wrap at 2 GiB. Each must end cleanly with its one message and leave
// the input as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/run.h"
#include "support/texts.h"

namespace {

using fixture::chunk;
using fixture::chunkDeclaring;
using fixture::pcmFormat;
using fixture::riffWave;

const uint32_t kHostileSizes[] = {0xFFFFFFFF, 0xFFFFFFF8, 0x7FFFFFFF, 0x80000000, 0xFFFFFFF0};
const std::string kFormat = texts::formatLines(1, 2, 44100, 176400, 4, 16);
const std::string kSamples = fixture::samples16({10, -10, 2000, -2000});

enum class Kind { kUnknown, kFormat, kData };

struct HostileRun {
    std::string input;
    std::string out;
    std::string err;
    std::string output;  // expected output file; empty if none may exist
    bool succeeds = false;
};

// One chunk of each kind carries the hostile size; the rest of the file is
// a valid 16-bit stereo file.
HostileRun hostile(Kind kind, uint32_t size) {
    const std::string fmt = chunk("fmt ", pcmFormat(44100, 16));
    const std::string data = chunk("data", kSamples);
    const int32_t printed = static_cast<int32_t>(size);
    const std::string path = texts::pathLine("in.wav");
    switch (kind) {
        case Kind::kUnknown:
            // The skip runs past the end of the file: no "fmt " is ever met.
            return {riffWave(chunkDeclaring("junk", size, "xy") + fmt + data),
                    path + texts::otherChunkLine("junk", printed), texts::noFmt(), ""};
        case Kind::kFormat:
            return {riffWave(chunkDeclaring("fmt ", size, pcmFormat(44100, 16)) + data),
                    path + texts::fmtLine(printed) + kFormat, texts::noData(), ""};
        case Kind::kData: {
            const std::string input = riffWave(fmt + chunkDeclaring("data", size, kSamples));
            const std::string report =
                path + texts::fmtLine(16) + kFormat + texts::dataLine(printed);
            const std::string frames = fixture::narrowed(kSamples, 2);
            if (size == 0xFFFFFFFF) {
                // A streamed file: its data runs to the end of the file.
                return {input, report + texts::converted("in.wav", "out.wav"), "",
                        fixture::outputHeader(44100, 4) + frames, true};
            }
            // The conversion reads the two frames there are, writes them, and
            // fails at the end of the file.
            return {input, report, texts::dataWriteFailed(),
                    fixture::outputHeader(44100, size / 4 * 2) + frames};
        }
    }
    return {};
}

TEST(HostileInput, ChunkSizesThatWrapOrRunPastTheFile) {
    for (Kind kind : {Kind::kUnknown, Kind::kFormat, Kind::kData}) {
        for (uint32_t size : kHostileSizes) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << static_cast<int>(kind) << " size 0x" << std::hex << size);
            HostileRun expected = hostile(kind, size);
            std::filesystem::path dir = fixture::scratchDir();
            fixture::writeFile(dir / "in.wav", expected.input);

            run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

            EXPECT_EQ(result.out, run::text(expected.out));
            EXPECT_EQ(result.err, run::text(expected.err));
            EXPECT_EQ(result.status, expected.succeeds ? 0 : run::kFailureStatus);
            EXPECT_EQ(fixture::readFile(dir / "in.wav"), expected.input);
            if (expected.output.empty()) {
                EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
            } else {
                EXPECT_EQ(fixture::readFile(dir / "out.wav"), expected.output);
            }
        }
    }
}

TEST(HostileInput, ThousandsOfTinyChunksBeforeFmt) {
    const int count = 5000;
    std::string chunks;
    std::string report = texts::pathLine("in.wav");
    for (int i = 0; i < count; ++i) {
        chunks += chunk("tiny", i % 2 == 0 ? "" : "z");
        report += texts::otherChunkLine("tiny", i % 2);
    }
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", riffWave(chunks + chunk("fmt ", pcmFormat(44100, 16)) +
                                                chunk("data", kSamples)));

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    EXPECT_EQ(result.out, run::text(report + texts::fmtLine(16) + kFormat + texts::dataLine(8) +
                                    texts::converted("in.wav", "out.wav")));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(fixture::readFile(dir / "out.wav"),
              fixture::outputHeader(44100, 4) + fixture::narrowed(kSamples, 2));
}

// Whatever follows a valid RIFF header, the run ends with 0 or with -1 and at
// most one message, and never touches its input.
TEST(HostileInput, RandomBytesAfterAValidHeader) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        std::string input = "RIFF" + fixture::le32(1000) + "WAVE" +
                            fixture::noiseSamples(16 + seed * 7, seed).substr(0, 30 + seed * 13);
        if (seed % 2 == 0) {
            // Give half of them a real "fmt " chunk so that the walk goes on.
            input = riffWave(chunk("fmt ", pcmFormat(8000, 16))) +
                    fixture::noiseSamples(40, seed).substr(0, seed * 3);
        }
        std::filesystem::path dir = fixture::scratchDir();
        fixture::writeFile(dir / "in.wav", input);

        run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

        EXPECT_TRUE(result.status == 0 || result.status == run::kFailureStatus) << result.status;
        size_t lines = 0;
        for (char c : result.err) {
            lines += c == '\n';
        }
        EXPECT_LE(lines, 1u) << result.err;
        EXPECT_EQ(fixture::readFile(dir / "in.wav"), input);
    }
}

}  // namespace
