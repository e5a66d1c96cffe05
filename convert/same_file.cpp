#include "convert/same_file.h"

// The paths are compared by the file they open, not by their spelling. The
// names are taken as the same bytes fopen receives: on Windows that means the
// ANSI functions, in the console's code page.
#ifdef _WIN32
#include <windows.h>

namespace {

bool fileIdentity(const char* path, BY_HANDLE_FILE_INFORMATION* info) {
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool known = GetFileInformationByHandle(file, info) != 0;
    CloseHandle(file);
    return known;
}

}  // namespace

bool sameFile(const char* firstPath, const char* secondPath) {
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return fileIdentity(firstPath, &first) && fileIdentity(secondPath, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

#else
#include <sys/stat.h>

bool sameFile(const char* firstPath, const char* secondPath) {
    struct stat first;
    struct stat second;
    return stat(firstPath, &first) == 0 && stat(secondPath, &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

#endif
