// Growable string. In: a buffer from an earlier call (or null) and a text to
// append. Out: the buffer, reallocated in whole 512-byte blocks as needed.
#include "util/util.h"

#include <cstdlib>
#include <cstring>

static constexpr size_t STRCATDYN_BLOCK = 512;

char *strcatdyn(char *dest, const char *src) {
  if (!dest) {
    dest = static_cast<char *>(calloc(1, STRCATDYN_BLOCK));
    if (!dest)
      return nullptr;
  }
  size_t dlen = strlen(dest), slen = strlen(src);
  size_t capacity = (dlen / STRCATDYN_BLOCK + 1) * STRCATDYN_BLOCK;
  size_t needed = capacity;
  while (dlen + slen + 1 > needed)
    needed += STRCATDYN_BLOCK;
  if (needed != capacity) {
    char *grown = static_cast<char *>(realloc(dest, needed));
    if (!grown)
      return dest; // caller keeps the old text; out of memory is reported upstream
    dest = grown;
  }
  memcpy(dest + dlen, src, slen + 1);
  return dest;
}
