#pragma once

// The whole command: argument check, input report, conversion, closing line.
// Returns the exit status, 0 after a conversion and -1 after any failure.
int kenrowMain(int argc, char** argv);
