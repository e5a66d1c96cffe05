// Failure messages. They go to standard error, but only after standard output
// has been flushed: when both streams reach the same file or terminal, the
// report must come before the message that ends it.
#pragma once

#if defined(__GNUC__)
#define KENROW_PRINTF_LIKE __attribute__((format(printf, 1, 2)))
#else
#define KENROW_PRINTF_LIKE
#endif

void errorPrint(const char* format, ...) KENROW_PRINTF_LIKE;
