#include "wave/console.h"

#include <cstdarg>
#include <cstdio>

void errorPrint(const char* format, ...) {
    std::fflush(stdout);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
}
