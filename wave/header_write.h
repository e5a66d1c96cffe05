// Writing the output file's 44-byte canonical header.
#pragma once

#include <cstdint>
#include <cstdio>

// Writes the header for `dataSize` bytes of sample data at the start of a
// freshly opened stream and returns the stream's position afterwards: 44 when
// the header was taken, anything else (-1 for a stream that cannot tell its
// position, such as a pipe) when it was not.
int64_t wavHeaderWrite(std::FILE* stream, uint32_t dataSize, uint16_t channels, uint32_t sampleRate,
                       uint16_t bitsPerSample);
