// Growable bit sets for the data-flow analysis. In: member numbers and other
// sets. Out: the sets combined in place; setting a bit beyond the end grows
// the set with zero words.
#include "opt/dataflow.h"

bitset *alloc_bitset() { return new bitset(); }

void free_bitset(bitset *b) { delete b; }

void bitset_union(bitset *a, const bitset *b) {
  if (a->words.size() < b->words.size())
    a->words.resize(b->words.size(), 0);
  for (size_t w = 0; w < b->words.size(); ++w)
    a->words[w] |= b->words[w];
}

void bitset_intersect(bitset *a, const bitset *b) {
  for (size_t w = 0; w < a->words.size(); ++w)
    a->words[w] &= w < b->words.size() ? b->words[w] : 0u;
}

void bitset_intersect_not(bitset *a, const bitset *b) {
  size_t n = a->words.size() < b->words.size() ? a->words.size() : b->words.size();
  for (size_t w = 0; w < n; ++w)
    a->words[w] &= ~b->words[w];
}

bool bitset_equal(const bitset *a, const bitset *b) {
  size_t n = a->words.size() > b->words.size() ? a->words.size() : b->words.size();
  for (size_t w = 0; w < n; ++w) {
    uint32_t x = w < a->words.size() ? a->words[w] : 0u;
    uint32_t y = w < b->words.size() ? b->words[w] : 0u;
    if (x != y)
      return false;
  }
  return true;
}
