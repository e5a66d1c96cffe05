// End-to-end on files written by real programs (tests/corpus, made by
// make_corpus.sh there). The expected output is worked out here from the
// file's own bytes by a reading independent of the command's reader, so a
// fault in the reader cannot hide behind the same fault in the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/run.h"
#include "support/texts.h"

namespace {

uint32_t le32At(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

// What a correct conversion of `file` must write: the rate of its "fmt "
// chunk and every whole frame of its "data" chunk (to the end of the file for
// a streamed one), found by walking the chunks with their pad bytes.
std::string expectedOutput(const std::string& file) {
    uint32_t rate = 0;
    size_t position = 12;
    while (position + 8 <= file.size()) {
        std::string id = file.substr(position, 4);
        uint32_t size = le32At(file, position + 4);
        size_t body = position + 8;
        if (id == "fmt ") {
            rate = le32At(file, body + 4);
        } else if (id == "data") {
            std::string data = file.substr(body, size == 0xFFFFFFFF ? std::string::npos : size);
            size_t frames = data.size() / 4;
            return fixture::outputHeader(rate, static_cast<uint32_t>(frames * 2)) +
                   fixture::narrowed(data, frames);
        }
        position = body + size + size % 2;
    }
    ADD_FAILURE() << "no data chunk";
    return "";
}

struct CorpusCase {
    const char* file;
    std::string refusal;  // empty for a file that converts; else its message
};

void PrintTo(const CorpusCase& c, std::ostream* os) {
    *os << c.file;
}

std::vector<CorpusCase> corpusCases() {
    return {
        {"ffmpeg-s16-8000.wav", ""},
        {"ffmpeg-s16-22050.wav", ""},
        {"ffmpeg-s16-44100.wav", ""},
        {"ffmpeg-s16-48000.wav", ""},
        {"ffmpeg-s16-list-info.wav", ""},
        {"ffmpeg-s16-bext.wav", ""},  // odd-sized, padded
        {"ffmpeg-s16-peak.wav", ""},  // chunk after the data
        {"ffmpeg-s16-96000-extensible.wav", ""},
        {"ffmpeg-s16-pipe.wav", ""},  // sizes 0xFFFFFFFF
        {"sox-s16-22050.wav", ""},
        {"sndfile-s16.wav", ""},
        {"sndfile-s16-metadata.wav", ""},
        {"python-wave-s16.wav", ""},
        {"refuse-sox-mono.wav", texts::notStereo(1)},
        {"refuse-sox-s24.wav", texts::notEightOrSixteen(24)},
        {"refuse-ffmpeg-s24-extensible.wav", texts::notEightOrSixteen(24)},
        {"refuse-sox-f32.wav", texts::notPcm("0003")},
        {"refuse-sox-alaw.wav", texts::notPcm("0006")},
        {"refuse-sox-u8.wav", texts::not16Bits()},
        {"refuse-ffmpeg-rf64.wav", texts::notRiff()},
    };
}

class CorpusTest : public testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusTest, ConvertsOrRefusesAsItShould) {
    const CorpusCase& c = GetParam();
    const std::string input =
        fixture::readFile(run::hostPath(std::string(KENROW_CORPUS_DIR) + "/" + c.file));
    ASSERT_GT(input.size(), 44u) << "corpus file missing";
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", input);

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    if (c.refusal.empty()) {
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(fixture::readFile(dir / "out.wav"), expectedOutput(input));
    } else {
        EXPECT_NE((result.out + result.err).find(run::text(c.refusal)), std::string::npos)
            << result.out << result.err;
        EXPECT_EQ(result.status, run::kFailureStatus);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
    }
    EXPECT_EQ(fixture::readFile(dir / "in.wav"), input);
}

INSTANTIATE_TEST_SUITE_P(Writers, CorpusTest, testing::ValuesIn(corpusCases()),
                         [](const testing::TestParamInfo<CorpusCase>& info) {
                             std::string name;
                             for (const char* p = info.param.file; *p != '.'; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

// Every file in the folder is in the table, so that a file added there is
// not silently left untested.
TEST(Corpus, TableCoversEveryFile) {
    std::vector<std::string> listed;
    for (const CorpusCase& c : corpusCases()) {
        listed.push_back(c.file);
    }
    for (const auto& entry :
         std::filesystem::directory_iterator(run::hostPath(KENROW_CORPUS_DIR))) {
        if (entry.path().extension() == ".wav") {
            std::string name = entry.path().filename().string();
            EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
        }
    }
}

}  // namespace
