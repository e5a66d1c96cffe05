// Narrowing the input's 16-bit stereo frames to 8-bit stereo frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Seeks the input to `dataOffset` and narrows floor(`dataSize` / 4) frames
// from it into the output. Returns 0, or -1 if a frame could not be read or
// written whole. Prints nothing.
int wavDataWrite(std::FILE* input, std::FILE* output, int64_t dataOffset, uint32_t dataSize);

// Narrows floor(`dataSize` / 4) frames from the input's position into the
// output; 1 to 3 trailing bytes are not converted. On a failure the output has
// received every whole frame before the one that failed. Returns 0 or -1.
int wavSampleNarrow(std::FILE* input, std::FILE* output, uint32_t dataSize);

// The bytes of 8-bit data that `wavSampleNarrow` writes for `dataSize` bytes
// of 16-bit data: two for every whole 4-byte frame. The output header must
// declare exactly this.
uint32_t narrowedDataSize(uint32_t dataSize);

// Converts `frames` 4-byte input frames into 2-byte output frames in memory.
void frameBlockNarrow(const unsigned char* input, unsigned char* output, size_t frames);
