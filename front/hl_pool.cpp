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
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"
#include "util/record_pool.h"

namespace {
// A shared file name: the count of its holders; the text follows the record.
struct s_file_name {
  size_t refs;
};
}  // namespace

// Nodes fill large pages; the type records are smaller and fewer, and their
// blocks are sized so that a short parse does not hold whole large pages.
static RecordPool s_nodes{sizeof(pcodehl), 2 * 1024 * 1024, true, fatal_out_of_memory, nullptr};
static RecordPool s_types{sizeof(typehl), 64 * 1024, false, fatal_out_of_memory, nullptr};
static RecordPool s_type_nodes{sizeof(typenodehl), 64 * 1024, false, fatal_out_of_memory, nullptr};
static_assert(alignof(pcodehl) <= RECORD_OFFSET && alignof(typenodehl) <= RECORD_OFFSET);

static s_file_name *s_last_file; // the name handed out last (holds one reference)

size_t hl_live_records() { return s_nodes.live + s_types.live + s_type_nodes.live; }

static void s_release(RecordPool &pool, void *record) { VELC_ASSERT(record_pool_release(pool, record)); }

pcodehl *hl_node_alloc() { return static_cast<pcodehl *>(record_pool_alloc(s_nodes)); }
void hl_node_release(pcodehl *node) { s_release(s_nodes, node); }
typehl *hl_type_alloc() { return static_cast<typehl *>(record_pool_alloc(s_types)); }
void hl_type_release(typehl *type) { s_release(s_types, type); }
typenodehl *hl_type_node_alloc() { return static_cast<typenodehl *>(record_pool_alloc(s_type_nodes)); }
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
    fatal_out_of_memory();
  name->refs = 2;  // the caller's and the cache's
  memcpy(s_text_of(name), file, length + 1);
  if (s_last_file)
    hl_file_release(s_text_of(s_last_file));
  s_last_file = name;
  return s_text_of(name);
}

void hl_release_file_cache() {
  if (s_last_file)
    hl_file_release(s_text_of(s_last_file));
  s_last_file = nullptr;
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
