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
    uint32_t dataSize;       // bytes of sample data: the declared size, as an unsigned
                             // count, or for a streamed file what the file holds
};

// The "data" size left by a writer that did not know the length: the data
// runs to the end of the file.
constexpr uint32_t kStreamedDataSize = 0xFFFFFFFF;

// Opens the input, prints its report to standard output while walking its
// chunks up to "data", checks its format and closes it again. Returns 0 with
// every field of `input` set, or -1 after printing why (a format record cut
// short by the end of the file is the one failure that prints nothing).
int wavHeaderRead(const char* path, InputDescription* input);

// Reads the 16-byte format record at the stream's position, prints it, and
// checks that it is stereo PCM of 8 or 16 bits; `chunkBytes` is the size the
// "fmt " chunk declares, which says whether an extensible record's extension
// is there to be read. Returns 0 if so, -1 otherwise.
int wavFormatCheck(std::FILE* stream, uint32_t chunkBytes, WavFormat* format);
