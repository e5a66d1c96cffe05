#include "support/texts.h"

namespace texts {

std::string usage() {
    return "16ビットサンプルの wav ファイルを8ビットサンプルに変換します.\n"
           "引数に <入力ファイル名> <出力ファイル名> を指定してください.\n"
           "\n"
           "例 : kenrow  foo.wav bar.wav\n";
}

std::string pathLine(const std::string& path) {
    return "\n" + path + " :\n";
}

std::string fmtLine(int32_t size) {
    return "\"fmt \"の長さ: " + std::to_string(size) + " [bytes]\n\n";
}

std::string dataLine(int32_t size) {
    return "\n\"data\" の長さ: " + std::to_string(size) + " [bytes]\n";
}

std::string otherChunkLine(const std::string& id, int32_t size) {
    return "\"" + id + "\"の長さ: " + std::to_string(size) + " [bytes]\n\n";
}

std::string formatLines(uint16_t formatTag, uint16_t channels, uint32_t sampleRate,
                        uint32_t byteRate, uint16_t blockAlign, uint16_t bitsPerSample) {
    return "             データ形式: " + std::to_string(formatTag) + " (1 = PCM)\n" +
           "           チャンネル数: " + std::to_string(channels) + "\n" +
           "     サンプリング周波数: " + std::to_string(sampleRate) + " [Hz]\n" +
           "          バイト数 / 秒: " + std::to_string(byteRate) + " [bytes/sec]\n" +
           " バイト数×チャンネル数: " + std::to_string(blockAlign) + " [bytes]\n" +
           "    ビット数 / サンプル: " + std::to_string(bitsPerSample) + " [bits/sample]\n";
}

std::string canonicalReport(const std::string& path, uint32_t sampleRate, uint16_t bitsPerSample,
                            int32_t dataSize) {
    uint16_t blockAlign = static_cast<uint16_t>(2 * (bitsPerSample / 8));
    return pathLine(path) + fmtLine(16) +
           formatLines(1, 2, sampleRate, sampleRate * blockAlign, blockAlign, bitsPerSample) +
           dataLine(dataSize);
}

std::string notStereo(int channels) {
    return "\nこのプログラムはステレオのファイルを対象とします.\n"
           "このwavファイルのチャンネル数は " +
           std::to_string(channels) + " です．\n";
}

std::string notPcm(const std::string& hexTag) {
    return "\nこのプログラムは無圧縮PCMのみを対象とします.\n"
           "このwavファイルの形式は " +
           hexTag + " です．\n";
}

std::string notEightOrSixteen(int bits) {
    return "\nこのプログラムは8/16ビットサンプリングされたものを対象とします\n"
           "このwavファイルの bits/secは " +
           std::to_string(bits) + " です．\n";
}

std::string not16Bits() {
    return "サンプリングビット数は16ビットでなければなりません\n";
}
std::string cannotOpenInput(const std::string& path) {
    return " " + path + "をオープンできません.\n";
}
std::string readFailed(long position) {
    return " " + std::to_string(position) + " で読み込み失敗.\n";
}
std::string notRiff() {
    return "'RIFF' フォーマットでない.\n";
}
std::string noWave() {
    return "'WAVE' が無い.\n";
}
std::string noFmt() {
    return "'fmt ' が無い.\n";
}
std::string noData() {
    return "'data' が無い.\n";
}

std::string converted(const std::string& input, const std::string& output) {
    return "\n" + input + " を " + output + "へ変換しました.\n";
}
std::string cannotOpenOutput(const std::string& path) {
    return path + " をオープンできません.\n";
}
std::string cannotWriteHeader(const std::string& path) {
    return "ヘッダを書き込めません: " + path + "\n";
}
std::string dataWriteFailed() {
    return "wavDataWriteでエラー発生.\n";
}
std::string sameFile() {
    return "入力ファイルと出力ファイルが同じです.\n";
}

}  // namespace texts
