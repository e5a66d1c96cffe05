// Runs the built command as a separate process and captures what it prints.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace run {

// The platform's line end on the text streams: the one place the tests decide it.
#ifdef _WIN32
inline constexpr const char* kLineEnd = "\r\n";
// A C program's -1 is the process's exit code 0xFFFFFFFF on Windows.
inline constexpr int64_t kFailureStatus = 0xFFFFFFFF;
#else
inline constexpr const char* kLineEnd = "\n";
// POSIX keeps the low 8 bits of the exit status.
inline constexpr int64_t kFailureStatus = 255;
#endif

// A text as the command writes it to a text stream: each "\n" becomes the
// platform's line end.
std::string text(const std::string& newlineText);

struct Result {
    std::string out;      // standard output (both streams, in order, when combined)
    std::string err;      // standard error (empty when combined)
    int64_t status = -1;  // exit status as the caller sees it; < 0 if it did not exit
};

enum class Streams { kSeparate, kCombined };

// A path of the build host as the test process must spell it: under Wine a
// cross-built test sees the host's root as drive Z:.
std::string hostPath(const std::string& path);

// Runs the command with `args` (the command name is added) in `workDir`, with
// no standard input.
Result kenrow(const std::vector<std::string>& args, const std::filesystem::path& workDir,
              Streams streams = Streams::kSeparate);

}  // namespace run
