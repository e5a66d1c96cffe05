// File stream helpers shared by the reader and the conversion. Positions are
// 64-bit on every platform: `long` is only 32 bits on Windows, and a WAVE file
// may legitimately run past 2 GiB.
#pragma once

#include <cstdint>
#include <cstdio>

// Opens a file with fopen. A directory is refused as if it could not be
// opened: some systems let fopen succeed on one, and reading it can only fail.
std::FILE* streamOpen(const char* path, const char* mode);

// Absolute seek; 0 on success, -1 on failure.
int streamSeek(std::FILE* stream, int64_t position);

// Moves to the end of the file and returns that position (the file's length),
// or -1 if the stream cannot be moved there or tell it.
int64_t streamSeekEnd(std::FILE* stream);

// Current position, or -1 if the stream cannot tell it (a pipe, for example).
int64_t streamTell(std::FILE* stream);
