// End-to-end with Japanese file names in Shift_JIS, the command's home
// setting. Several characters there have 0x5C, the backslash, as their second
// byte: code that looks for '\\' in a narrow path byte by byte cuts such a
// name in two. Names are made and opened through the narrow functions, as
// the command opens them; on Windows that needs code page 932.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/names.h"
#include "support/run.h"
#include "support/texts.h"

namespace {

// Shift_JIS bytes, spelled out so that no source or compiler encoding can
// change them. The first three end in 0x5C.
const std::string kSo = "\x83\x5c";           // ソ
const std::string kHyo = "\x95\x5c";          // 表
const std::string kNo = "\x94\x5c";           // 能
const std::string kShutsu = "\x8f\x6f";       // 出
const std::string kRyoku = "\x97\xcd";        // 力
const std::string kNai = "\x96\xb3\x82\xa2";  // 無い

const std::string kSamples = fixture::samples16({1200, -1200, 32767, -32768, 5, -5});

class JapaneseNames : public testing::Test {
  protected:
    void SetUp() override {
        std::string why;
        if (!names::shiftJisNamesWork(&why)) {
            GTEST_SKIP() << why;
        }
        dir = fixture::scratchDir();
        input = fixture::canonical16(kSamples, 22050);
    }

    std::string at(const std::string& name) const { return names::inside(dir, name); }

    std::string report(const std::string& name) const {
        return texts::canonicalReport(name, 22050, 16, static_cast<int32_t>(kSamples.size()));
    }

    std::filesystem::path dir;
    std::string input;
};

TEST_F(JapaneseNames, NamesAreEchoedAndTheOutputWrittenUnderItsName) {
    const std::string inName = kSo + kHyo + ".wav";
    // Ends in a 0x5C trail byte: the last byte before the argument's closing
    // quote on a Windows command line.
    const std::string outName = kShutsu + kRyoku + kSo;
    names::writeFile(at(inName), input);

    run::Result result = run::kenrow({inName, outName}, dir);

    EXPECT_EQ(result.out, run::text(report(inName) + texts::converted(inName, outName)));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(names::readFile(at(outName)),
              fixture::outputHeader(22050, 6) + fixture::narrowed(kSamples, 3));
    EXPECT_EQ(names::readFile(at(inName)), input);
}

TEST_F(JapaneseNames, OutputInsideAFolderWhoseNameEndsIn5C) {
    const std::string inName = kHyo + ".wav";
    const std::string outName = kNo + names::kSeparator + kSo + ".wav";
    names::writeFile(at(inName), input);
    names::makeFolder(at(kNo));

    run::Result result = run::kenrow({inName, outName}, dir);

    EXPECT_EQ(result.out, run::text(report(inName) + texts::converted(inName, outName)));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(names::readFile(at(outName)),
              fixture::outputHeader(22050, 6) + fixture::narrowed(kSamples, 3));
}

// Opening the output empties it: the input must be recognised under another
// spelling of its Japanese name too.
TEST_F(JapaneseNames, SameFileUnderAnotherSpellingIsRefused) {
    const std::string sep = names::kSeparator;
    names::makeFolder(at(kHyo));
    const std::vector<std::pair<std::string, std::string>> spellings = {
        {kSo + kHyo + ".wav", "." + sep + kSo + kHyo + ".wav"},
        {kHyo + sep + kSo + ".wav", kHyo + sep + ".." + sep + kHyo + sep + kSo + ".wav"},
    };
    for (const auto& [inName, outName] : spellings) {
        SCOPED_TRACE(outName);
        names::writeFile(at(inName), input);

        run::Result result = run::kenrow({inName, outName}, dir);

        EXPECT_EQ(result.out, run::text(report(inName)));
        EXPECT_EQ(result.err, run::text(texts::sameFile()));
        EXPECT_EQ(result.status, run::kFailureStatus);
        EXPECT_EQ(names::readFile(at(inName)), input);
    }
}

TEST_F(JapaneseNames, MissingInputOrOutputFolderIsNamedInItsMessage) {
    const std::string missingInput = kSo + kNai + ".wav";
    run::Result noInput = run::kenrow({missingInput, kHyo + ".wav"}, dir);
    EXPECT_EQ(noInput.out, "");
    EXPECT_EQ(noInput.err, run::text(texts::cannotOpenInput(missingInput)));
    EXPECT_EQ(noInput.status, run::kFailureStatus);
    EXPECT_FALSE(names::exists(at(kHyo + ".wav")));

    const std::string inName = kNo + ".wav";
    const std::string outName = kNai + kSo + names::kSeparator + kHyo + ".wav";
    names::writeFile(at(inName), input);
    run::Result noFolder = run::kenrow({inName, outName}, dir);
    EXPECT_EQ(noFolder.out, run::text(report(inName)));
    EXPECT_EQ(noFolder.err, run::text(texts::cannotOpenOutput(outName)));
    EXPECT_EQ(noFolder.status, run::kFailureStatus);
}

}  // namespace
