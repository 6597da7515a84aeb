// Storage of syntax-tree nodes and of the file names they carry: in come
// requests for a zero-filled node and for a node's file name, out go nodes
// carved from large blocks and reference-counted shared file names; both are
// given back one at a time by hl_free_ast.
//
// A translation unit makes hundreds of thousands of nodes that all live
// until the translator is done and then go together. Taking each from the
// general allocator, with a private copy of the file name beside it, cost
// more than scanning and parsing together. Nodes now come from blocks of
// 2 MiB aligned to their size, so the block of a node is found by masking
// its address; a block counts its live nodes and is returned when the count
// drops to zero (the block still being filled is kept for reuse). A block is
// the size of a large page: where the system offers large pages on request,
// a block is asked to be backed by one, which spares the hundreds of page
// faults that filling it page by page would take. File names are shared:
// nodes from the same file point at one counted copy.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

#include <sanitizer/asan_interface.h>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"

namespace {
constexpr size_t BLOCK_SIZE = 2 * 1024 * 1024;

// Block header; the nodes follow it.
struct s_block {
  uint32_t live;  // nodes handed out and not yet released
  uint32_t used;  // nodes handed out since the block was (re)started
};

constexpr size_t NODE_OFFSET = (sizeof(s_block) + alignof(pcodehl) - 1) / alignof(pcodehl) * alignof(pcodehl);
constexpr uint32_t NODES_PER_BLOCK = static_cast<uint32_t>((BLOCK_SIZE - NODE_OFFSET) / sizeof(pcodehl));
static_assert(NODES_PER_BLOCK >= 256, "a block holds many nodes");

// A shared file name: the count of its holders; the text follows the record.
struct s_file_name {
  size_t refs;
};
}  // namespace

static s_block *s_current;       // the block being filled
static s_file_name *s_last_file; // the name handed out last (holds one reference)

[[noreturn]] static void s_out_of_memory() {
  post_error(101);
  throw FatalUnwind{};
}

static pcodehl *s_node_at(s_block *block, uint32_t index) {
  return reinterpret_cast<pcodehl *>(reinterpret_cast<char *>(block) + NODE_OFFSET) + index;
}

static s_block *s_block_of(const pcodehl *node) {
  return reinterpret_cast<s_block *>(reinterpret_cast<uintptr_t>(node) & ~static_cast<uintptr_t>(BLOCK_SIZE - 1));
}

static s_block *s_new_block() {
  void *memory = aligned_alloc(BLOCK_SIZE, BLOCK_SIZE);
  if (!memory)
    s_out_of_memory();
#ifdef MADV_HUGEPAGE
  madvise(memory, BLOCK_SIZE, MADV_HUGEPAGE);  // a hint: refused or unsupported is fine
#endif
  s_block *block = static_cast<s_block *>(memory);
  block->live = 0;
  block->used = 0;
  ASAN_POISON_MEMORY_REGION(s_node_at(block, 0), NODES_PER_BLOCK * sizeof(pcodehl));
  return block;
}

pcodehl *hl_node_alloc() {
  if (!s_current || s_current->used == NODES_PER_BLOCK)
    s_current = s_new_block();
  pcodehl *node = s_node_at(s_current, s_current->used++);
  s_current->live++;
  ASAN_UNPOISON_MEMORY_REGION(node, sizeof(pcodehl));
  memset(static_cast<void *>(node), 0, sizeof(pcodehl));
  return node;
}

void hl_node_release(pcodehl *node) {
  s_block *block = s_block_of(node);
  VELC_ASSERT(block->live > 0);
  ASAN_POISON_MEMORY_REGION(node, sizeof(pcodehl));
  if (--block->live > 0)
    return;
  if (block == s_current)
    block->used = 0;  // empty again: fill it from the start
  else
    free(block);
}

static char *s_text_of(s_file_name *name) {
  return reinterpret_cast<char *>(name + 1);
}

static s_file_name *s_file_of(const char *text) {
  return reinterpret_cast<s_file_name *>(const_cast<char *>(text)) - 1;
}

char *hl_file_ref(const char *file) {
  if (!file)
    return nullptr;
  if (s_last_file) {
    char *last = s_text_of(s_last_file);
    if (file == last || strcmp(file, last) == 0) {
      s_last_file->refs++;
      return last;
    }
  }
  size_t length = strlen(file);
  s_file_name *name = static_cast<s_file_name *>(malloc(sizeof(s_file_name) + length + 1));
  if (!name)
    s_out_of_memory();
  name->refs = 2;  // the caller's and the cache's
  memcpy(s_text_of(name), file, length + 1);
  if (s_last_file)
    hl_file_release(s_text_of(s_last_file));
  s_last_file = name;
  return s_text_of(name);
}

char *hl_file_share(char *file) {
  if (file)
    s_file_of(file)->refs++;
  return file;
}

void hl_file_release(char *file) {
  if (!file)
    return;
  s_file_name *name = s_file_of(file);
  VELC_ASSERT(name->refs > 0);
  if (--name->refs == 0)
    free(name);
}
