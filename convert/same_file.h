#pragma once

// True when both paths name one existing file: the same name, another
// spelling of it, a hard link or a symbolic link. Opening the output for
// writing empties it, so the conversion must refuse this before it opens.
bool sameFile(const char* firstPath, const char* secondPath);
