// End-to-end: the input report, the refusals, and the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "support/names.h"
#include "support/run.h"
#include "support/texts.h"

namespace {

using fixture::chunk;
using fixture::chunkDeclaring;
using fixture::formatRecord;
using fixture::le16;
using fixture::le32;
using fixture::pcmFormat;
using fixture::riffWave;

const std::string kFmt16 = chunk("fmt ", pcmFormat(44100, 16));
const std::string kData = chunk("data", fixture::samples16({1, -1, 300, -300}));
const std::string kPath = texts::pathLine("in.wav");
const std::string kFormat16 = texts::fmtLine(16) + texts::formatLines(1, 2, 44100, 176400, 4, 16);

struct ReportCase {
    const char* name;
    std::string input;  // the bytes of in.wav
    std::string out;    // expected standard output, "\n" line ends
    std::string err;    // expected standard error
    bool succeeds;
};

std::string sizedJunk(uint32_t size) {
    return riffWave(chunkDeclaring("junk", size, "") + kFmt16 + kData);
}

std::string junkReport(int32_t size) {
    return kPath + texts::otherChunkLine("junk", size);
}

std::vector<ReportCase> reportCases() {
    const std::string record12 = formatRecord(1, 2, 44100, 176400, 4, 16);
    return {
        {"Canonical", fixture::canonical16(fixture::samples16({1, -1, 300, -300})),
         texts::canonicalReport("in.wav", 44100, 16, 8), "", true},
        {"EmptyFile", "", kPath, texts::readFailed(0), false},
        {"FiveBytes", "RIFF\x24", kPath, texts::readFailed(5), false},
        {"ElevenBytes", "RIFF" + le32(36) + "WAV", kPath, texts::readFailed(11), false},
        {"LowerCaseRiff", "riff" + le32(36) + "WAVE" + kFmt16 + kData, kPath, texts::notRiff(),
         false},
        {"RifxId", "RIFX" + le32(36) + "WAVE" + kFmt16 + kData, kPath, texts::notRiff(), false},
        {"LowerCaseWave", "RIFF" + le32(36) + "wave" + kFmt16 + kData, kPath, texts::noWave(),
         false},
        // A chunk of odd size is followed by a zero pad byte that its size
        // does not count; a writer that leaves the pad out puts the next
        // header right there, and both must read.
        {"OddChunkWithPad", riffWave(chunk("LIST", "abc") + '\0' + kFmt16 + kData),
         kPath + texts::otherChunkLine("LIST", 3) + kFormat16 + texts::dataLine(8), "", true},
        {"OddChunkWithoutPad", riffWave(chunk("LIST", "abc") + kFmt16 + kData),
         kPath + texts::otherChunkLine("LIST", 3) + kFormat16 + texts::dataLine(8), "", true},
        {"OddFmtWithPad",
         riffWave(chunk("fmt ", pcmFormat(44100, 16) + "x") + '\0' + chunk("bext", "12345") + '\0' +
                  kData),
         kPath + texts::fmtLine(17) + texts::formatLines(1, 2, 44100, 176400, 4, 16) +
             texts::otherChunkLine("bext", 5) + texts::dataLine(8),
         "", true},
        // An even chunk has no pad: a zero after it is the start of a header.
        {"ZeroAfterEvenChunk", riffWave(chunk("LIST", "ab") + '\0' + kFmt16 + kData),
         kPath + texts::otherChunkLine("LIST", 2) +
             texts::otherChunkLine(std::string("\0fmt", 4), 0x1020),
         texts::noFmt(), false},
        {"PadAtEndOfFile", riffWave(kFmt16 + chunk("LIST", "abc") + '\0'),
         kPath + kFormat16 + texts::otherChunkLine("LIST", 3), texts::noData(), false},
        // "fmt " spelled without its space, or in capitals, is some other chunk.
        {"FmtInCapitals", riffWave(chunk("FMT ", pcmFormat(44100, 16)) + kData),
         kPath + texts::otherChunkLine("FMT ", 16) + texts::dataLine(8), texts::noFmt(), false},
        {"Fmt18", riffWave(chunk("fmt ", pcmFormat(44100, 16) + le16(0)) + kData),
         kPath + texts::fmtLine(18) + texts::formatLines(1, 2, 44100, 176400, 4, 16) +
             texts::dataLine(8),
         "", true},
        {"Fmt40", riffWave(chunk("fmt ", pcmFormat(44100, 16) + std::string(24, 'x')) + kData),
         kPath + texts::fmtLine(40) + texts::formatLines(1, 2, 44100, 176400, 4, 16) +
             texts::dataLine(8),
         "", true},
        // A "fmt " chunk declaring 12 bytes still yields a 16-byte record, and
        // the walk resumes 12 bytes after its header: the record's last four
        // bytes are read again as the next chunk's identifier.
        {"Fmt12", riffWave(chunkDeclaring("fmt ", 12, record12) + le32(0) + kData),
         kPath + texts::fmtLine(12) + texts::formatLines(1, 2, 44100, 176400, 4, 16) +
             texts::otherChunkLine(std::string("\x04\x00\x10\x00", 4), 0) + texts::dataLine(8),
         "", true},
        {"Mono", riffWave(chunk("fmt ", formatRecord(1, 1, 44100, 88200, 2, 16)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(1, 1, 44100, 88200, 2, 16) +
             texts::notStereo(1),
         "", false},
        {"FloatTag", riffWave(chunk("fmt ", formatRecord(3, 2, 44100, 352800, 8, 32)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(3, 2, 44100, 352800, 8, 32) +
             texts::notPcm("0003"),
         "", false},
        {"ExtensibleTag",
         riffWave(chunk("fmt ", formatRecord(0xFFFE, 2, 44100, 176400, 4, 16)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(0xFFFE, 2, 44100, 176400, 4, 16) +
             texts::notPcm("FFFE"),
         "", false},
        // An extensible record whose GUID names PCM is PCM; the report still
        // shows the stored tag. Anything short of the whole extension is not.
        {"ExtensiblePcm", riffWave(chunk("fmt ", fixture::extensibleFormat(2, 96000, 16)) + kData),
         kPath + texts::fmtLine(40) + texts::formatLines(0xFFFE, 2, 96000, 384000, 4, 16) +
             texts::dataLine(8),
         "", true},
        {"ExtensibleLongerChunk",
         riffWave(chunk("fmt ", fixture::extensibleFormat(2, 96000, 16, 24) + le16(0)) + kData),
         kPath + texts::fmtLine(42) + texts::formatLines(0xFFFE, 2, 96000, 384000, 4, 16) +
             texts::dataLine(8),
         "", true},
        {"ExtensibleFloatGuid",
         riffWave(chunk("fmt ", fixture::extensibleFormat(2, 48000, 32, 22, fixture::kFloatGuid)) +
                  kData),
         kPath + texts::fmtLine(40) + texts::formatLines(0xFFFE, 2, 48000, 384000, 8, 32) +
             texts::notPcm("FFFE"),
         "", false},
        {"ExtensibleCbSize0",
         riffWave(chunk("fmt ", fixture::extensibleFormat(2, 96000, 16, 0)) + kData),
         kPath + texts::fmtLine(40) + texts::formatLines(0xFFFE, 2, 96000, 384000, 4, 16) +
             texts::notPcm("FFFE"),
         "", false},
        // The chunk says it holds only cbSize: the GUID after it belongs to
        // whatever follows and must not be looked at.
        {"ExtensibleDeclares18",
         riffWave(chunkDeclaring("fmt ", 18, fixture::extensibleFormat(2, 96000, 16)) + kData),
         kPath + texts::fmtLine(18) + texts::formatLines(0xFFFE, 2, 96000, 384000, 4, 16) +
             texts::notPcm("FFFE"),
         "", false},
        {"ExtensionCutOff",
         riffWave(
             chunkDeclaring("fmt ", 40, fixture::extensibleFormat(2, 96000, 16).substr(0, 30))),
         kPath + texts::fmtLine(40) + texts::formatLines(0xFFFE, 2, 96000, 384000, 4, 16) +
             texts::notPcm("FFFE"),
         "", false},
        // The checks keep their order: channels, then format, then bits.
        {"ExtensibleMono", riffWave(chunk("fmt ", fixture::extensibleFormat(1, 96000, 16)) + kData),
         kPath + texts::fmtLine(40) + texts::formatLines(0xFFFE, 1, 96000, 192000, 2, 16) +
             texts::notStereo(1),
         "", false},
        {"Extensible24Bits",
         riffWave(chunk("fmt ", fixture::extensibleFormat(2, 96000, 24)) + kData),
         kPath + texts::fmtLine(40) + texts::formatLines(0xFFFE, 2, 96000, 576000, 6, 24) +
             texts::notEightOrSixteen(24),
         "", false},
        // The channel check comes first, whatever else is wrong.
        {"MonoFloat", riffWave(chunk("fmt ", formatRecord(3, 1, 8000, 32000, 4, 32)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(3, 1, 8000, 32000, 4, 32) +
             texts::notStereo(1),
         "", false},
        {"Bits24", riffWave(chunk("fmt ", formatRecord(1, 2, 48000, 288000, 6, 24)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(1, 2, 48000, 288000, 6, 24) +
             texts::notEightOrSixteen(24),
         "", false},
        {"Bits8", riffWave(chunk("fmt ", pcmFormat(8000, 8)) + chunk("data", "abcd")),
         texts::canonicalReport("in.wav", 8000, 8, 4), texts::not16Bits(), false},
        // Large values print as the 32-bit values they are.
        {"HugeRates",
         riffWave(chunk("fmt ", formatRecord(1, 2, 0xFFFFFFFF, 0x80000000, 0xFFFF, 16)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(1, 2, 0xFFFFFFFF, 0x80000000, 0xFFFF, 16) +
             texts::dataLine(8),
         "", true},
        // A record cut short by the end of the file fails without a message.
        {"FormatCutShort", riffWave("fmt " + le32(16) + std::string(10, '\0')),
         kPath + texts::fmtLine(16), "", false},
        {"FmtHeaderAtEnd", riffWave("fmt " + le32(16)), kPath + texts::fmtLine(16), "", false},
        {"DataOnly", riffWave(kData), kPath + texts::dataLine(8), texts::noFmt(), false},
        {"DataBeforeFmt", riffWave(kData + kFmt16), kPath + texts::dataLine(8), texts::noFmt(),
         false},
        {"BareRiffWave", riffWave(""), kPath, texts::noFmt(), false},
        {"FmtWithoutData", riffWave(kFmt16), kPath + kFormat16, texts::noData(), false},
        {"ChunksAfterData", riffWave(kFmt16 + kData + chunk("LIST", "after")),
         kPath + kFormat16 + texts::dataLine(8), "", true},
        {"SecondFmtReplacesFirst",
         riffWave(chunk("fmt ", pcmFormat(8000, 8)) + chunk("fmt ", pcmFormat(22050, 16)) + kData),
         kPath + texts::fmtLine(16) + texts::formatLines(1, 2, 8000, 16000, 2, 8) +
             texts::fmtLine(16) + texts::formatLines(1, 2, 22050, 88200, 4, 16) +
             texts::dataLine(8),
         "", true},
        {"SecondFmtEightBits", riffWave(kFmt16 + chunk("fmt ", pcmFormat(8000, 8)) + kData),
         kPath + kFormat16 + texts::fmtLine(16) + texts::formatLines(1, 2, 8000, 16000, 2, 8) +
             texts::dataLine(8),
         texts::not16Bits(), false},
        // Sizes that would move a 32-bit position backwards, or past its end:
        // the skip is unsigned and 64-bit, so the walk runs off the end of the
        // file and stops.
        {"SizeMinus8", sizedJunk(0xFFFFFFF8), junkReport(-8), texts::noFmt(), false},
        {"SizeMinus1", sizedJunk(0xFFFFFFFF), junkReport(-1), texts::noFmt(), false},
        {"Size7FFFFFFF", sizedJunk(0x7FFFFFFF), junkReport(0x7FFFFFFF), texts::noFmt(), false},
        {"Size80000000", sizedJunk(0x80000000), junkReport(INT32_MIN), texts::noFmt(), false},
        {"FmtSizeMinus8",
         riffWave(chunkDeclaring("fmt ", 0xFFFFFFF8, pcmFormat(44100, 16)) + kData),
         kPath + texts::fmtLine(-8) + texts::formatLines(1, 2, 44100, 176400, 4, 16),
         texts::noData(), false},
        {"SizePastEnd", riffWave(kFmt16 + chunkDeclaring("LIST", 1000, "ab") + kData),
         kPath + kFormat16 + texts::otherChunkLine("LIST", 1000), texts::noData(), false},
    };
}

// Keeps test listings readable: a case prints as its name, not as raw bytes.
void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(ReportTest, PrintsReportAndExitStatus) {
    const ReportCase& c = GetParam();
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", c.input);

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    std::string closing = c.succeeds ? texts::converted("in.wav", "out.wav") : "";
    EXPECT_EQ(result.out, run::text(c.out + closing));
    EXPECT_EQ(result.err, run::text(c.err));
    EXPECT_EQ(result.status, c.succeeds ? 0 : run::kFailureStatus);
    EXPECT_EQ(fixture::readFile(dir / "in.wav"), c.input);
    // Nothing is created for an input that is refused.
    EXPECT_EQ(std::filesystem::exists(dir / "out.wav"), c.succeeds);
}

INSTANTIATE_TEST_SUITE_P(Inputs, ReportTest, testing::ValuesIn(reportCases()),
                         [](const testing::TestParamInfo<ReportCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CommandLine, WrongArgumentCountPrintsUsageAndTouchesNoFile) {
    const std::vector<std::vector<std::string>> argumentLists = {
        {}, {"in.wav"}, {"in.wav", "out.wav", "extra.wav"}, {"-h"}};
    for (const auto& args : argumentLists) {
        SCOPED_TRACE(testing::PrintToString(args));
        std::filesystem::path dir = fixture::scratchDir();
        fixture::writeFile(dir / "in.wav", fixture::canonical16(fixture::samples16({1, 2})));

        run::Result result = run::kenrow(args, dir);

        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, run::text(texts::usage()));
        EXPECT_EQ(result.status, run::kFailureStatus);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
        EXPECT_FALSE(std::filesystem::exists(dir / "extra.wav"));
    }
}

TEST(CommandLine, UnopenableInputSaysSoOnStandardError) {
    std::filesystem::path dir = fixture::scratchDir();
    std::filesystem::create_directory(dir / "folder.wav");
    for (const std::string input : {"missing.wav", "folder.wav"}) {
        SCOPED_TRACE(input);
        run::Result result = run::kenrow({input, "out.wav"}, dir);

        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, run::text(texts::cannotOpenInput(input)));
        EXPECT_EQ(result.status, run::kFailureStatus);
        EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
    }
}

TEST(CommandLine, EchoesPathBytesVerbatim) {
    std::string why;
    if (!names::shiftJisNamesWork(&why)) {
        GTEST_SKIP() << why;
    }
    // "テスト.wav" in Shift_JIS: the name must come back exactly as given,
    // whatever encoding the file system or terminal uses.
    const std::string name = "\x83\x65\x83\x58\x83\x67.wav";
    std::filesystem::path dir = fixture::scratchDir();
    names::writeFile(names::inside(dir, name), riffWave(kFmt16));

    run::Result result = run::kenrow({name, "out.wav"}, dir);

    EXPECT_EQ(result.out, run::text(texts::pathLine(name) + kFormat16));
    EXPECT_EQ(result.status, run::kFailureStatus);
}

TEST(CommandLine, ReportComesBeforeTheFailureOnOneStream) {
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", riffWave(kFmt16));

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir, run::Streams::kCombined);

    EXPECT_EQ(result.out, run::text(kPath + kFormat16 + texts::noData()));
    EXPECT_EQ(result.status, run::kFailureStatus);
}

#ifndef KENROW_TEXT_UTF8

// The texts must reach the streams as Shift_JIS whatever the source encoding:
// a few are pinned here as the raw bytes they must be.
TEST(ShiftJis, TextsAreShiftJisBytes) {
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", riffWave(kFmt16));

    run::Result usage = run::kenrow({}, dir);
    // "16ビットサンプルの wav"
    EXPECT_EQ(usage.err.substr(0, 22),
              "\x31\x36\x83\x72\x83\x62\x83\x67\x83\x54\x83\x93\x83\x76\x83\x8b\x82\xcc\x20\x77"
              "\x61\x76");

    run::Result report = run::kenrow({"in.wav", "out.wav"}, dir);
    // " バイト数×チャンネル数: " (the colon is the 24th byte)
    EXPECT_NE(report.out.find("\x20\x83\x6f\x83\x43\x83\x67\x90\x94\x81\x7e\x83\x60\x83\x83\x83"
                              "\x93\x83\x6c\x83\x8b\x90\x94\x3a\x20"
                              "4 [bytes]"),
              std::string::npos);
    // "'data' が無い."
    EXPECT_EQ(report.err, run::text("\x27\x64\x61\x74\x61\x27\x20\x82\xaa\x96\xb3\x82\xa2\x2e\n"));
}

TEST(ShiftJis, RefusalUsesFullWidthStop) {
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav",
                       riffWave(chunk("fmt ", formatRecord(3, 2, 44100, 352800, 8, 32)) + kData));

    run::Result result = run::kenrow({"in.wav", "out.wav"}, dir);

    // "このwavファイルの形式は 0003 です．" ending in the full-width stop 81 44.
    EXPECT_NE(result.out.find("\x82\xb1\x82\xcc\x77\x61\x76\x83\x74\x83\x40\x83\x43\x83\x8b\x82"
                              "\xcc\x8c\x60\x8e\xae\x82\xcd\x20\x30\x30\x30\x33\x20\x82\xc5\x82"
                              "\xb7\x81\x44"),
              std::string::npos);
}

#else

// The UTF-8 build prints the same texts in UTF-8, pinned here as raw bytes.
// Each full-width character is three bytes but still two columns wide, so the
// labels stay lined up on a terminal.
TEST(Utf8, TextsAreUtf8Bytes) {
    std::filesystem::path dir = fixture::scratchDir();
    fixture::writeFile(dir / "in.wav", riffWave(kFmt16));

    run::Result usage = run::kenrow({}, dir);
    // "16ビット"
    EXPECT_EQ(usage.err.substr(0, 11), "\x31\x36\xe3\x83\x93\xe3\x83\x83\xe3\x83\x88");

    run::Result report = run::kenrow({"in.wav", "out.wav"}, dir);
    // "             データ形式: 1"
    EXPECT_NE(report.out.find(std::string(13, ' ') +
                              "\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf\xe5\xbd\xa2\xe5\xbc\x8f: 1"),
              std::string::npos);
    // "'data' が無い."
    EXPECT_EQ(report.err, run::text("'data' \xe3\x81\x8c\xe7\x84\xa1\xe3\x81\x84.\n"));
}

#endif

}  // namespace
