// The command's texts as the tests expect them, with "\n" for each line end
// (run::text turns them into the platform's). The test sources are compiled
// to Shift_JIS like the command's; a few texts are also pinned as raw bytes.
#pragma once

#include <cstdint>
#include <string>

namespace texts {

std::string usage();
std::string pathLine(const std::string& path);
std::string fmtLine(int32_t size);
std::string dataLine(int32_t size);
std::string otherChunkLine(const std::string& id, int32_t size);
std::string formatLines(uint16_t formatTag, uint16_t channels, uint32_t sampleRate,
                        uint32_t byteRate, uint16_t blockAlign, uint16_t bitsPerSample);
// The whole report of a canonical stereo PCM file.
std::string canonicalReport(const std::string& path, uint32_t sampleRate, uint16_t bitsPerSample,
                            int32_t dataSize);

std::string notStereo(int channels);
std::string notPcm(const std::string& hexTag);
std::string notEightOrSixteen(int bits);
std::string not16Bits();
std::string cannotOpenInput(const std::string& path);
std::string readFailed(long position);
std::string notRiff();
std::string noWave();
std::string noFmt();
std::string noData();
std::string converted(const std::string& input, const std::string& output);
std::string cannotOpenOutput(const std::string& path);
std::string cannotWriteHeader(const std::string& path);
std::string dataWriteFailed();
std::string sameFile();

}  // namespace texts
