#include "support/names.h"

#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace names {

bool shiftJisNamesWork(std::string* why) {
#ifdef _WIN32
    UINT codePage = GetACP();
    if (codePage != 932) {
        *why = "the ANSI code page is " + std::to_string(codePage) +
               ", not 932: Shift_JIS names cannot pass (under Wine, set LC_ALL=ja_JP.UTF-8 "
               "with that locale installed)";
        return false;
    }
#else
    (void)why;
#endif
    return true;
}

std::string inside(const std::filesystem::path& dir, const std::string& name) {
    return dir.string() + kSeparator + name;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written =
        file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file != nullptr && std::fclose(file) != 0) {
        written = false;
    }
    if (!written) {
        ADD_FAILURE() << "cannot write " << path;
    }
}

std::string readFile(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return bytes;
    }
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, n);
    }
    std::fclose(file);
    return bytes;
}

bool exists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fclose(file);
    }
    return file != nullptr;
}

void makeFolder(const std::string& path) {
#ifdef _WIN32
    int made = _mkdir(path.c_str());
#else
    int made = mkdir(path.c_str(), 0755);
#endif
    if (made != 0) {
        ADD_FAILURE() << "cannot make folder " << path;
    }
}

}  // namespace names
