// Reading, reporting and checking the input file's header.
#pragma once

#include <cstdint>
#include <cstdio>

#include "wave/records.h"

// What the conversion needs to know about the input, as found by the reader.
struct InputDescription {
    uint32_t sampleRate;     // of the last "fmt " chunk met
    uint16_t bitsPerSample;  // of the last "fmt " chunk met
    int64_t dataOffset;      // position of the first byte of the "data" chunk's data
    uint32_t dataSize;       // the "data" chunk's declared size, as an unsigned count
};

// Opens the input, prints its report to standard output while walking its
// chunks up to "data", checks its format and closes it again. Returns 0 with
// every field of `input` set, or -1 after printing why (a format record cut
// short by the end of the file is the one failure that prints nothing).
int wavHeaderRead(const char* path, InputDescription* input);

// Reads the 16-byte format record at the stream's position, prints it, and
// checks that it is stereo PCM of 8 or 16 bits. Returns 0 if so, -1 otherwise.
int wavFormatCheck(std::FILE* stream, WavFormat* format);
