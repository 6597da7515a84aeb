// Growable string. In: a buffer from an earlier call (or null) and a text to
// append. Out: the buffer, reallocated in whole 512-byte blocks as needed.
#include "util/util.h"

#include <cstdint>
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
    // src may be a piece of dest itself; it must be found again after a move.
    auto at = reinterpret_cast<uintptr_t>(src), base = reinterpret_cast<uintptr_t>(dest);
    bool inside = at >= base && at <= base + dlen;
    size_t src_offset = inside ? at - base : 0;
    char *grown = static_cast<char *>(realloc(dest, needed));
    if (!grown)
      return dest; // caller keeps the old text; out of memory is reported upstream
    dest = grown;
    if (inside)
      src = dest + src_offset;
  }
  memmove(dest + dlen, src, slen + 1);
  return dest;
}
