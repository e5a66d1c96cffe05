#include "wave/stream.h"

#include <sys/stat.h>

std::FILE* streamOpen(const char* path, const char* mode) {
    std::FILE* stream = std::fopen(path, mode);
    if (stream == nullptr) {
        return nullptr;
    }
#ifdef _WIN32
    struct _stat64 info;
    bool isDirectory = _fstat64(_fileno(stream), &info) == 0 && (info.st_mode & _S_IFDIR) != 0;
#else
    struct stat info;
    bool isDirectory = fstat(fileno(stream), &info) == 0 && S_ISDIR(info.st_mode);
#endif
    if (isDirectory) {
        std::fclose(stream);
        return nullptr;
    }
    return stream;
}

int streamSeek(std::FILE* stream, int64_t position) {
#ifdef _WIN32
    return _fseeki64(stream, position, SEEK_SET) == 0 ? 0 : -1;
#else
    return fseeko(stream, static_cast<off_t>(position), SEEK_SET) == 0 ? 0 : -1;
#endif
}

int64_t streamSeekEnd(std::FILE* stream) {
#ifdef _WIN32
    bool moved = _fseeki64(stream, 0, SEEK_END) == 0;
#else
    bool moved = fseeko(stream, 0, SEEK_END) == 0;
#endif
    return moved ? streamTell(stream) : -1;
}

int64_t streamTell(std::FILE* stream) {
#ifdef _WIN32
    return _ftelli64(stream);
#else
    return static_cast<int64_t>(ftello(stream));
#endif
}
