// Reaching definitions and use-definition chains of one function. In: the
// function's basic blocks. Out: the definition map; on each node its
// generated and killed sets and its uses; on each block its generated,
// killed, reaching-in and reaching-out sets; on each node the chain of
// definitions its uses read. A definition after a skip instruction may not
// happen, so it kills nothing; pointer and call definitions kill nothing
// either.
#include <algorithm>
#include <memory>

#include "driver/diag.h"
#include "gen/gen.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"
#include "trans/trn_records.h"
#include "trans/type.h"

template <class F> static void s_each_node(basic_block *blocks, F f) {
  for (basic_block *b = blocks; b; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      f(b, oc);
      if (oc == b->last)
        break;
    }
}

static bool s_is_variable(const SymbolRecord *sym) {
  long address = 0;
  int bytes = 0;
  SymbolRecord *group = nullptr;
  return sym->type == VARIABLE && !gen_register_info(sym, &address, &bytes, &group);
}

static bool s_removable(const dfa_ref &d) {
  return d.type == CC_REF || (d.type == SYM_REF && opt_sym_def_removable(d.sym));
}

static size_t s_slot_hash(const SymbolRecord *sym, int32_t offset, size_t mask) {
  uint64_t h = (uint64_t(reinterpret_cast<uintptr_t>(sym)) >> 4) * 0x9E3779B97F4A7C15ull + uint64_t(uint32_t(offset));
  return size_t(h ^ (h >> 29)) & mask;
}

// The location of a symbol byte or flag, or -1 when no definition names it.
static int s_find_location(const dfa_map *map, const SymbolRecord *sym, int32_t offset) {
  if (map->slots.empty())
    return -1;
  size_t mask = map->slots.size() - 1;
  for (size_t i = s_slot_hash(sym, offset, mask);; i = (i + 1) & mask) {
    const dfa_location_slot &slot = map->slots[i];
    if (slot.location < 0)
      return -1;
    if (slot.sym == sym && slot.offset == offset)
      return slot.location;
  }
}

// The location of a symbol byte or flag, numbered on first sight.
static int s_location(dfa_map *map, const SymbolRecord *sym, int32_t offset) {
  size_t mask = map->slots.size() - 1;
  for (size_t i = s_slot_hash(sym, offset, mask);; i = (i + 1) & mask) {
    dfa_location_slot &slot = map->slots[i];
    if (slot.location < 0) {
      slot = {sym, offset, map->location_count};
      return map->location_count++;
    }
    if (slot.sym == sym && slot.offset == offset)
      return slot.location;
  }
}

// Numbers every definition's location and builds the definition sets of
// the locations in one pool: a location's set has the words up to its last
// definition.
static void s_add_definitions(dfa_map *map) {
  size_t count = map->refs.size();
  size_t slots = 16;
  while (slots < 2 * count)
    slots *= 2;
  map->slots.assign(slots, {nullptr, 0, -1});
  map->location_of.resize(count);
  std::vector<int> last;
  for (size_t n = 0; n < count; ++n) {
    const dfa_ref &d = map->refs[n];
    int loc = s_location(map, d.type == CC_REF ? nullptr : d.sym, d.offset);
    map->location_of[n] = loc;
    if (size_t(loc) == last.size())
      last.push_back(0);
    last[size_t(loc)] = int(n);
  }
  map->location_first.resize(last.size());
  map->location_words.resize(last.size());
  size_t words = 0;
  for (size_t loc = 0; loc < last.size(); ++loc) {
    map->location_first[loc] = words;
    map->location_words[loc] = uint32_t(last[loc] / 32 + 1);
    words += map->location_words[loc];
  }
  map->pool.assign(words, 0);
  map->all.words.assign(count / 32 + 1, 0);
  for (size_t n = 0; n < count; ++n) {
    size_t loc = size_t(map->location_of[n]);
    map->pool[map->location_first[loc] + n / 32] |= 1u << (n % 32);
    map->all.words[n / 32] |= 1u << (n % 32);
    const dfa_ref &d = map->refs[n];
    if (d.type == SYM_REF && s_is_variable(d.sym))
      bitset_set(&map->memory, int(n));
  }
}

// a := a AND NOT the definitions of a location.
static void s_clear_location(bitset *a, const dfa_map *map, int loc) {
  const uint32_t *words = map->pool.data() + map->location_first[size_t(loc)];
  size_t n = std::min(a->words.size(), size_t(map->location_words[size_t(loc)]));
  for (size_t w = 0; w < n; ++w)
    a->words[w] &= ~words[w];
}

// A walk through one block's nodes with the set of definitions that reach
// the current node. Once a location has been killed in the walk, the only
// definitions of it in the set are those made since, so a later kill clears
// just those: a location written by every statement of a long block costs
// one pass over its definitions, not one per write. The definitions made
// since are a list per location, newest first, linked through `link`.
namespace {
struct ReachWalk {
  const dfa_map *map;
  bitset *reach;
  std::vector<char> killed;  // per location: killed in this walk
  std::vector<int> head;     // per location: the newest definition made since, or -1
  std::vector<int> link;     // per definition: the one made before it since the kill
  std::vector<int> touched;  // locations with an entry to reset
};
}  // namespace

static void s_walk_start(ReachWalk &walk, bitset *reach) {
  for (int loc : walk.touched) {
    walk.killed[size_t(loc)] = 0;
    walk.head[size_t(loc)] = -1;
  }
  walk.touched.clear();
  walk.reach = reach;
}

static ReachWalk s_walk(const dfa_map *map) {
  size_t locations = size_t(map->location_count);
  return ReachWalk{map, nullptr, std::vector<char>(locations, 0), std::vector<int>(locations, -1),
                   std::vector<int>(map->refs.size(), -1), {}};
}

static void s_kill(ReachWalk &walk, int loc) {
  if (walk.killed[size_t(loc)]) {
    for (int n = walk.head[size_t(loc)]; n >= 0; n = walk.link[size_t(n)])
      walk.reach->words[size_t(n) / 32] &= ~(1u << (n % 32));
  } else {
    s_clear_location(walk.reach, walk.map, loc);
    walk.killed[size_t(loc)] = 1;
    walk.touched.push_back(loc);
  }
  walk.head[size_t(loc)] = -1;
}

// reach := (reach AND NOT the node's kills) OR the node's definitions; a
// definition a skip may step over kills nothing.
static void s_pass_node(ReachWalk &walk, const ocode *oc) {
  const dfa_map *map = walk.map;
  const ocode_dfa &d = *oc->dfa;
  if (!d.after_skip)
    for (int n = d.def_first; n < d.def_first + d.def_count; ++n)
      s_kill(walk, map->location_of[size_t(n)]);
  for (int n = d.def_first; n < d.def_first + d.def_count; ++n) {
    bitset_set(walk.reach, n);
    size_t loc = size_t(map->location_of[size_t(n)]);
    if (walk.killed[loc]) {
      walk.link[size_t(n)] = walk.head[loc];
      walk.head[loc] = n;
    }
  }
}

// out := gen OR (in AND NOT the locations the block writes for sure).
static void s_block_out(const dfa_map *map, const basic_block *b, const bitset &in, bitset *out) {
  *out = in;
  bitset_each(b->kill, [&](int loc) { s_clear_location(out, map, loc); });
  bitset_union(out, b->gen);
}

// Records one node's uses and definitions: the removable ones are numbered,
// the others make the node essential.
static void s_add_node(dfa_map *map, basic_block *b, ocode *oc, ocode_dfa *d, const node_refs &refs) {
  d->use_first = int32_t(map->uses.size());
  d->use_count = int32_t(refs.uses.size());
  map->uses.insert(map->uses.end(), refs.uses.begin(), refs.uses.end());
  d->after_skip = oc->type == OC_INST && opt_after_skip(oc);
  d->essential = refs.essential || b->immutable || d->after_skip;
  d->def_first = int32_t(map->refs.size());
  for (const dfa_ref &r : refs.defs) {
    VELC_ASSERT(r.type == SYM_REF || r.type == CC_REF || r.type == PTR_REF || r.type == CALL_REF);
    VELC_ASSERT(r.type != CC_REF || (r.offset >= 0 && r.offset < 5));
    if (s_removable(r))
      map->refs.push_back(r);
    else
      d->essential = true;  // its own write must happen whatever reads it
  }
  d->def_count = int32_t(map->refs.size()) - d->def_first;
}

dfa_map *opt_bitmap_defs(basic_block *blocks, size_t word_limit) {
  size_t block_count = 0, node_count = 0;
  s_each_node(blocks, [&](basic_block *, ocode *) { ++node_count; });
  for (basic_block *b = blocks; b; b = b->next)
    ++block_count;
  auto map = std::make_unique<dfa_map>();
  map->nodes.resize(node_count);
  static node_refs refs;  // scratch, kept for its capacity
  long index = 0;
  size_t k = 0;
  // The count only grows: past the limit the walk stops at once.
  bool over = false;
  for (basic_block *b = blocks; b && !over; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      oc->index = index++;
      oc->dfa = &map->nodes[k++];
      opt_node_refs(oc, &refs);
      s_add_node(map.get(), b, oc, oc->dfa, refs);
      over = block_count * (map->refs.size() / 32 + 1) > word_limit;
      if (oc == b->last || over)
        break;
    }
  if (over) {
    s_each_node(blocks, [&](basic_block *, ocode *oc) { oc->dfa = nullptr; });
    return nullptr;
  }
  s_add_definitions(map.get());
  map->block_sets.resize(4 * block_count);
  size_t i = 0;
  for (basic_block *b = blocks; b; b = b->next, i += 4) {
    b->gen = &map->block_sets[i];
    b->kill = &map->block_sets[i + 1];  // here: locations, not definitions
    b->reach_in = &map->block_sets[i + 2];
    b->reach_out = &map->block_sets[i + 3];
  }
  ReachWalk walk = s_walk(map.get());
  basic_block *walked = nullptr;
  s_each_node(blocks, [&](basic_block *b, ocode *oc) {
    if (b != walked) {
      s_walk_start(walk, b->gen);
      walked = b;
    }
    s_pass_node(walk, oc);
    if (!oc->dfa->after_skip)
      for (int n = oc->dfa->def_first; n < oc->dfa->def_first + oc->dfa->def_count; ++n)
        bitset_set(b->kill, map->location_of[size_t(n)]);
  });
  return map.release();
}

// Blocks are visited in code order, each from its predecessors' current
// out sets, until no out set changes: in code order most information flows
// forward within one sweep.
void opt_reaching_defs(basic_block *blocks, dfa_map *defs) {
  bool changed = true;
  bitset out;
  while (changed) {
    changed = false;
    for (basic_block *b = blocks; b; b = b->next) {
      b->reach_in->words.clear();
      for (block_edge *p = b->predecessors; p; p = p->next)
        bitset_union(b->reach_in, p->block->reach_out);
      s_block_out(defs, b, *b->reach_in, &out);
      if (!bitset_equal(&out, b->reach_out)) {
        std::swap(*b->reach_out, out);
        changed = true;
      }
    }
  }
}

void opt_bitmap_uses(basic_block *) {
  // the uses were collected with the definitions (one pass over the table)
}

static bool s_returns_aggregate(const SymbolRecord *function) {
  const TypeRecord *t = function ? function->data.var.type : nullptr;
  const TypeRecord *r = t && t->type == FUNCTION_TYPE ? t->next : nullptr;
  return !r || r->type == SUE_TYPE;
}

static bool s_returns_void(const SymbolRecord *function) {
  const TypeRecord *t = function ? function->data.var.type : nullptr;
  const TypeRecord *r = t && t->type == FUNCTION_TYPE ? t->next : nullptr;
  return r && r->type == BASIC_TYPE && r->data.basic.base == BT_VOID;
}

static bool s_is_interrupt(basic_block *blocks, const SymbolRecord *function) {
  for (const InterruptRecord *r = trn_interrupt_list(); r; r = r->next)
    if (r->function == function)
      return true;
  bool retfie = false;
  s_each_node(blocks, [&](basic_block *, ocode *oc) { retfie |= opt_is_op(oc, RETFIE); });
  return retfie;
}

// Whether a definition reaching the function's end must be kept: the result
// registers, every variable that outlives the call; not the flags, BSR,
// the table registers, WREG of a function without a result, nor the
// temporaries (except the result area of a function returning a structure).
// An interrupt routine keeps everything: its exit restores the context.
struct ExitRule {
  bool keep_all, keep_wreg, keep_temps;
  bool essential(const dfa_ref &d) const {
    if (keep_all || d.type == PTR_REF || d.type == CALL_REF)
      return true;
    if (d.type == CC_REF)
      return false;
    if (d.sym == WREGsym)
      return keep_wreg;
    if (d.sym == BSRsym || d.sym == TBLPTRLsym || d.sym == TABLATsym)
      return false;
    if (d.sym->temporary)
      return keep_temps;
    return true;
  }
};

// The definitions of one location that reach: after a kill in this walk
// the ones made since (in increasing order, as the set would give them).
static bool s_chain_of_location(const ReachWalk &walk, int loc, LargeVector<int> *chain) {
  if (!walk.killed[size_t(loc)])
    return false;
  size_t from = chain->size();
  for (int n = walk.head[size_t(loc)]; n >= 0; n = walk.link[size_t(n)])
    chain->push_back(n);
  std::reverse(chain->begin() + long(from), chain->end());
  return true;
}

// Appends what reaches a symbol or flag use to the chain list.
static void s_chain_of_use(const ReachWalk &walk, const dfa_ref &u, LargeVector<int> *chain) {
  const dfa_map *map = walk.map;
  const bitset &reach = *walk.reach;
  int loc = s_find_location(map, u.type == CC_REF ? nullptr : u.sym, u.offset);
  if (loc < 0 || s_chain_of_location(walk, loc, chain))
    return;
  const uint32_t *candidates = map->pool.data() + map->location_first[size_t(loc)];
  size_t n = std::min(size_t(map->location_words[size_t(loc)]), reach.words.size());
  for (size_t w = 0; w < n; ++w)
    for (uint32_t bits = candidates[w] & reach.words[w]; bits; bits &= bits - 1)
      chain->push_back(int(w * 32 + __builtin_ctz(bits)));
}

// Appends the set of what reaches a broad use: the reaching definitions
// that mask holds.
static void s_wide_use(const bitset &reach, const bitset &mask, dfa_map *map) {
  size_t at = map->wide.size();
  map->wide.resize(at + map->wide_words, 0);
  size_t n = std::min({map->wide_words, reach.words.size(), mask.words.size()});
  for (size_t w = 0; w < n; ++w)
    map->wide[at + w] = reach.words[w] & mask.words[w];
}

void opt_build_chains(basic_block *blocks, dfa_map *defs, const SymbolRecord *function) {
  ExitRule rule{s_is_interrupt(blocks, function), !s_returns_void(function), s_returns_aggregate(function)};
  bitset exit;  // the definitions the exit use reads when they reach it
  for (size_t n = 0; n < defs->refs.size(); ++n)
    if (rule.essential(defs->refs[n]))
      bitset_set(&exit, int(n));
  defs->wide_words = defs->all.words.size();
  ReachWalk walk = s_walk(defs);
  bitset reach;
  for (basic_block *b = blocks; b; b = b->next) {
    reach = *b->reach_in;
    s_walk_start(walk, &reach);
    for (ocode *oc = b->first; oc; oc = oc->next) {
      ocode_dfa &d = *oc->dfa;
      d.chain_first = int32_t(defs->chains.size());
      d.wide_first = int32_t(defs->wide.size());
      for (int i = d.use_first; i < d.use_first + d.use_count; ++i) {
        const dfa_ref &u = defs->uses[size_t(i)];
        switch (u.type) {
        case SYM_REF:
        case CC_REF: s_chain_of_use(walk, u, &defs->chains); break;
        case MEM_USE: s_wide_use(reach, defs->memory, defs); break;
        case ALL_USE: s_wide_use(reach, defs->all, defs); break;
        case EXIT_USE: s_wide_use(reach, exit, defs); break;
        default: VELC_ASSERT(!"unknown use type");
        }
      }
      d.chain_count = int32_t(defs->chains.size()) - d.chain_first;
      d.wide_count = int32_t((defs->wide.size() - size_t(d.wide_first)) / defs->wide_words);
      s_pass_node(walk, oc);
      if (oc == b->last)
        break;
    }
  }
}

void opt_free_dataflow(basic_block *blocks, dfa_map *defs) {
  s_each_node(blocks, [&](basic_block *, ocode *oc) { oc->dfa = nullptr; });
  for (basic_block *b = blocks; b; b = b->next)
    b->gen = b->kill = b->reach_in = b->reach_out = nullptr;
  delete defs;
}
