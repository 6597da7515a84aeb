// Storage for arrays that grow large (hash tables and per-instruction
// arrays of a long function). In: a size in bytes. Out: memory from malloc,
// or, for 2 MiB and more, memory aligned to 2 MiB that the system is asked
// to back with large pages: touching it then costs a page fault per 2 MiB
// instead of one per 4 KiB. LargePageAllocator hands such memory to the
// standard containers.
#ifndef VELC_UTIL_LARGE_PAGES_H
#define VELC_UTIL_LARGE_PAGES_H

#include <cstddef>
#include <new>
#include <vector>

void *large_pages_alloc(size_t bytes);  // null when no memory is left
void large_pages_free(void *memory);

template <class T> struct LargePageAllocator {
  using value_type = T;
  LargePageAllocator() = default;
  template <class U> LargePageAllocator(const LargePageAllocator<U> &) {}
  T *allocate(size_t n) {
    if (n > size_t(-1) / sizeof(T))
      throw std::bad_array_new_length();
    void *memory = large_pages_alloc(n * sizeof(T));
    if (!memory)
      throw std::bad_alloc();
    return static_cast<T *>(memory);
  }
  void deallocate(T *p, size_t) { large_pages_free(p); }
  template <class U> bool operator==(const LargePageAllocator<U> &) const { return true; }
};

// A vector whose storage may be large.
template <class T> using LargeVector = std::vector<T, LargePageAllocator<T>>;

#endif
