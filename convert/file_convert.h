// Producing the output file from the input that the header reader described.
#pragma once

#include "wave/header_read.h"

// Creates the output, writes its header and narrows the input's frames into
// it. Returns 0, or -1 after printing the one message for the failure. An
// output that a failure leaves half-written stays on disk.
int wavFileConvert(const char* inputPath, const char* outputPath, const InputDescription& input);
