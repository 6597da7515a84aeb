// Host path services: the directory and file parts of a path, and absolute
// paths. Both separators, "/" and "\", are understood on input.
#ifndef VELC_DRIVER_PATHS_H
#define VELC_DRIVER_PATHS_H

#include <cstddef>

// Directory part of path ending in "/"; see docs/platform.md. Returns the
// length written, or the size needed when buffer is too small.
size_t pathdir(char *buffer, const char *path, size_t size);
// Part of path behind the last separator.
const char *pathfile(const char *path);
// Absolute path of name: realpath when the file exists, else the current
// directory joined with name. Always terminated, cut to size - 1.
void velc_fullpath(char *out, const char *name, size_t size);

#endif
