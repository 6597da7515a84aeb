// Storage of syntax-tree nodes, type-chain records and the file names the
// nodes carry: in come requests for a zero-filled record and for a node's
// file name, out go records carved from large blocks and reference-counted
// shared file names; all are given back one at a time by hl_free_ast and
// typehl_free.
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
// nodes from the same file point at one counted copy. The type chains'
// records (chain heads and type nodes) come from blocks of their own in the
// same way.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

#include <sanitizer/asan_interface.h>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"

namespace {
// Block header; the objects follow it, OBJECT_OFFSET bytes from its start.
struct s_block {
  uint32_t live;  // objects handed out and not yet released
  uint32_t used;  // objects handed out since the block was (re)started
};
constexpr size_t OBJECT_OFFSET = 16;
static_assert(sizeof(s_block) <= OBJECT_OFFSET);

// One kind of record: its size, its blocks' size, and the block being filled.
struct s_class {
  size_t object_size;
  size_t block_size;  // a power of two; blocks are aligned to it
  bool large_pages;   // ask for the block to be backed by one large page
  s_block *current;

  uint32_t per_block() const { return static_cast<uint32_t>((block_size - OBJECT_OFFSET) / object_size); }
};

// A shared file name: the count of its holders; the text follows the record.
struct s_file_name {
  size_t refs;
};
}  // namespace

// Nodes fill large pages; the type records are smaller and fewer, and their
// blocks are sized so that a short parse does not hold whole large pages.
static s_class s_nodes{sizeof(pcodehl), 2 * 1024 * 1024, true, nullptr};
static s_class s_types{sizeof(typehl), 64 * 1024, false, nullptr};
static s_class s_type_nodes{sizeof(typenodehl), 64 * 1024, false, nullptr};
static_assert(alignof(pcodehl) <= OBJECT_OFFSET && alignof(typenodehl) <= OBJECT_OFFSET);

static s_file_name *s_last_file; // the name handed out last (holds one reference)

[[noreturn]] static void s_out_of_memory() {
  post_error(101);
  throw FatalUnwind{};
}

static char *s_object_at(const s_class &c, s_block *block, uint32_t index) {
  return reinterpret_cast<char *>(block) + OBJECT_OFFSET + index * c.object_size;
}

static s_block *s_block_of(const s_class &c, const void *object) {
  return reinterpret_cast<s_block *>(reinterpret_cast<uintptr_t>(object) & ~static_cast<uintptr_t>(c.block_size - 1));
}

static s_block *s_new_block(const s_class &c) {
  void *memory = aligned_alloc(c.block_size, c.block_size);
  if (!memory)
    s_out_of_memory();
#ifdef MADV_HUGEPAGE
  if (c.large_pages)
    madvise(memory, c.block_size, MADV_HUGEPAGE);  // a hint: refused or unsupported is fine
#endif
  s_block *block = static_cast<s_block *>(memory);
  block->live = 0;
  block->used = 0;
  ASAN_POISON_MEMORY_REGION(s_object_at(c, block, 0), c.per_block() * c.object_size);
  return block;
}

// A zero-filled object of the class.
static void *s_alloc(s_class &c) {
  if (!c.current || c.current->used == c.per_block())
    c.current = s_new_block(c);
  void *object = s_object_at(c, c.current, c.current->used++);
  c.current->live++;
  ASAN_UNPOISON_MEMORY_REGION(object, c.object_size);
  memset(object, 0, c.object_size);
  return object;
}

static void s_release(s_class &c, void *object) {
  s_block *block = s_block_of(c, object);
  VELC_ASSERT(block->live > 0);
  ASAN_POISON_MEMORY_REGION(object, c.object_size);
  if (--block->live > 0)
    return;
  if (block == c.current)
    block->used = 0;  // empty again: fill it from the start
  else
    free(block);
}

pcodehl *hl_node_alloc() { return static_cast<pcodehl *>(s_alloc(s_nodes)); }
void hl_node_release(pcodehl *node) { s_release(s_nodes, node); }
typehl *hl_type_alloc() { return static_cast<typehl *>(s_alloc(s_types)); }
void hl_type_release(typehl *type) { s_release(s_types, type); }
typenodehl *hl_type_node_alloc() { return static_cast<typenodehl *>(s_alloc(s_type_nodes)); }
void hl_type_node_release(typenodehl *node) { s_release(s_type_nodes, node); }

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
