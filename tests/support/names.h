// Files named in the bytes the command receives: Shift_JIS names are made,
// read and looked up through the narrow (ANSI) functions, exactly as the
// command itself opens them, never through a conversion of their own.
#pragma once

#include <filesystem>
#include <string>

namespace names {

// The separator the platform's own paths use.
#ifdef _WIN32
inline constexpr const char* kSeparator = "\\";
#else
inline constexpr const char* kSeparator = "/";
#endif

// True when Shift_JIS names reach the command unchanged: always on POSIX,
// where a name is bytes; on Windows only under code page 932. Otherwise says
// why in `why`.
bool shiftJisNamesWork(std::string* why);

// `name` (already in the platform's spelling) inside the folder `dir`.
std::string inside(const std::filesystem::path& dir, const std::string& name);

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);
bool exists(const std::string& path);
void makeFolder(const std::string& path);

}  // namespace names
