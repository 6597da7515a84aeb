// Large-page backed storage; see large_pages.h.
#include "util/large_pages.h"

#include <cstdlib>

#include <sys/mman.h>

static constexpr size_t LARGE_PAGE = size_t(2) << 20;

void *large_pages_alloc(size_t bytes) {
  if (bytes < LARGE_PAGE)
    return malloc(bytes ? bytes : 1);
  size_t rounded = (bytes + LARGE_PAGE - 1) & ~(LARGE_PAGE - 1);
  if (rounded < bytes)
    return nullptr;
  void *memory = aligned_alloc(LARGE_PAGE, rounded);
#ifdef MADV_HUGEPAGE
  if (memory)
    madvise(memory, rounded, MADV_HUGEPAGE);  // a hint: refused or unsupported is fine
#endif
  return memory;
}

void large_pages_free(void *memory) { free(memory); }
