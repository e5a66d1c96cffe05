#pragma once

// Prints how to call the command, to standard error.
void printUsage();
