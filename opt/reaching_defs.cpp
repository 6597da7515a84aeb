// Reaching definitions and use-definition chains of one function. In: the
// function's basic blocks. Out: the definition map; on each node its
// generated and killed sets and its uses; on each block its generated,
// killed, reaching-in and reaching-out sets; on each node the chain of
// definitions its uses read. A definition after a skip instruction may not
// happen, so it kills nothing; pointer and call definitions kill nothing
// either.
#include <algorithm>

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

static int s_location(dfa_map *map, const SymbolRecord *sym, int32_t offset) {
  auto [it, added] = map->locations.try_emplace({sym, offset}, int(map->by_location.size()));
  if (added)
    map->by_location.emplace_back();
  return it->second;
}

// The node's removable definitions join the list (in code order); the
// others make it essential.
static void s_collect_definitions(std::vector<dfa_ref> *removable, ocode *oc, const node_refs &refs) {
  for (const dfa_ref &d : refs.defs) {
    VELC_ASSERT(d.type == SYM_REF || d.type == CC_REF || d.type == PTR_REF || d.type == CALL_REF);
    VELC_ASSERT(d.type != CC_REF || (d.offset >= 0 && d.offset < 5));
    if (!s_removable(d)) {
      oc->dfa->essential = true;  // its own write must happen whatever reads it
      continue;
    }
    removable->push_back(d);
  }
}

// Numbers the removable definitions, each in its location's set.
static void s_add_definitions(dfa_map *map, const std::vector<dfa_ref> &removable) {
  for (const dfa_ref &d : removable) {
    ocode *oc = d.node;
    int n = int(map->refs.size());
    int loc = s_location(map, d.type == CC_REF ? nullptr : d.sym, d.offset);
    map->refs.push_back(d);
    map->location_of.push_back(loc);
    oc->dfa->defs.push_back(n);
    bitset_set(&map->all, n);
    bitset_set(&map->by_location[size_t(loc)], n);
    if (d.type == SYM_REF && s_is_variable(d.sym))
      bitset_set(&map->memory, n);
  }
}

// A walk through one block's nodes with the set of definitions that reach
// the current node. Once a location has been killed in the walk, the only
// definitions of it in the set are those made since, so a later kill clears
// just those: a location written by every statement of a long block costs
// one pass over its definitions, not one per write.
namespace {
struct ReachWalk {
  const dfa_map *map;
  bitset *reach;
  std::vector<char> killed;              // per location: killed in this walk
  std::vector<std::vector<int>> since;   // per location: definitions set since
  std::vector<int> touched;              // locations with an entry to reset
};
}  // namespace

static void s_walk_start(ReachWalk &walk, bitset *reach) {
  for (int loc : walk.touched) {
    walk.killed[size_t(loc)] = 0;
    walk.since[size_t(loc)].clear();
  }
  walk.touched.clear();
  walk.reach = reach;
}

static ReachWalk s_walk(const dfa_map *map) {
  ReachWalk walk{map, nullptr, std::vector<char>(map->by_location.size(), 0),
                 std::vector<std::vector<int>>(map->by_location.size()), {}};
  return walk;
}

static void s_kill(ReachWalk &walk, int loc) {
  std::vector<int> &made = walk.since[size_t(loc)];
  if (walk.killed[size_t(loc)]) {
    for (int n : made)
      walk.reach->words[size_t(n) / 32] &= ~(1u << (n % 32));
  } else {
    bitset_intersect_not(walk.reach, &walk.map->by_location[size_t(loc)]);
    walk.killed[size_t(loc)] = 1;
    walk.touched.push_back(loc);
  }
  made.clear();
}

// reach := (reach AND NOT the node's kills) OR the node's definitions; a
// definition a skip may step over kills nothing.
static void s_pass_node(ReachWalk &walk, const ocode *oc) {
  const dfa_map *map = walk.map;
  if (!oc->dfa->after_skip)
    for (int n : oc->dfa->defs)
      s_kill(walk, map->location_of[size_t(n)]);
  for (int n : oc->dfa->defs) {
    bitset_set(walk.reach, n);
    int loc = map->location_of[size_t(n)];
    if (walk.killed[size_t(loc)])
      walk.since[size_t(loc)].push_back(n);
  }
}

// out := gen OR (in AND NOT the locations the block writes for sure).
static void s_block_out(const dfa_map *map, const basic_block *b, const bitset &in, bitset *out) {
  *out = in;
  bitset_each(b->kill, [&](int loc) { bitset_intersect_not(out, &map->by_location[size_t(loc)]); });
  bitset_union(out, b->gen);
}

dfa_map *opt_bitmap_defs(basic_block *blocks, size_t word_limit) {
  node_refs refs;
  std::vector<dfa_ref> removable;
  long index = 0;
  size_t block_count = 0;
  for (basic_block *b = blocks; b; b = b->next)
    ++block_count;
  // The count only grows: past the limit the walk stops at once.
  bool over = false;
  for (basic_block *b = blocks; b && !over; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      oc->index = index++;
      oc->dfa = new ocode_dfa();
      opt_node_refs(oc, &refs);
      oc->dfa->uses = refs.uses;
      oc->dfa->after_skip = oc->type == OC_INST && opt_after_skip(oc);
      oc->dfa->essential = refs.essential || b->immutable || oc->dfa->after_skip;
      s_collect_definitions(&removable, oc, refs);
      over = block_count * (removable.size() / 32 + 1) > word_limit;
      if (oc == b->last || over)
        break;
    }
  if (over) {
    s_each_node(blocks, [&](basic_block *, ocode *oc) {
      delete oc->dfa;
      oc->dfa = nullptr;
    });
    return nullptr;
  }
  dfa_map *map = new dfa_map();
  s_add_definitions(map, removable);
  for (basic_block *b = blocks; b; b = b->next) {
    b->gen = alloc_bitset();
    b->kill = alloc_bitset();  // here: locations, not definitions
    b->reach_in = alloc_bitset();
    b->reach_out = alloc_bitset();
  }
  ReachWalk walk = s_walk(map);
  basic_block *walked = nullptr;
  s_each_node(blocks, [&](basic_block *b, ocode *oc) {
    if (b != walked) {
      s_walk_start(walk, b->gen);
      walked = b;
    }
    s_pass_node(walk, oc);
    if (!oc->dfa->after_skip)
      for (int n : oc->dfa->defs)
        bitset_set(b->kill, map->location_of[size_t(n)]);
  });
  return map;
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
static bool s_chain_of_location(const ReachWalk &walk, int loc, std::vector<int> *chain) {
  if (!walk.killed[size_t(loc)])
    return false;
  const std::vector<int> &made = walk.since[size_t(loc)];
  chain->insert(chain->end(), made.begin(), made.end());
  return true;
}

static void s_chain_of_use(const ReachWalk &walk, const dfa_ref &u, const ExitRule &rule, std::vector<int> *chain) {
  const dfa_map *map = walk.map;
  const bitset &reach = *walk.reach;
  auto take = [&](const bitset &candidates) {
    size_t n = std::min(candidates.words.size(), reach.words.size());
    for (size_t w = 0; w < n; ++w)
      for (uint32_t bits = candidates.words[w] & reach.words[w]; bits; bits &= bits - 1)
        chain->push_back(int(w * 32 + __builtin_ctz(bits)));
  };
  switch (u.type) {
  case SYM_REF: {
    auto it = map->locations.find({u.sym, u.offset});
    if (it != map->locations.end() && !s_chain_of_location(walk, it->second, chain))
      take(map->by_location[size_t(it->second)]);
    break;
  }
  case CC_REF: {
    auto it = map->locations.find({nullptr, u.offset});
    if (it != map->locations.end() && !s_chain_of_location(walk, it->second, chain))
      take(map->by_location[size_t(it->second)]);
    break;
  }
  case MEM_USE: take(map->memory); break;
  case ALL_USE: take(map->all); break;
  case EXIT_USE:
  {
    size_t from = chain->size();
    take(map->all);
    chain->erase(std::remove_if(chain->begin() + long(from), chain->end(),
                                [&](int n) { return !rule.essential(map->refs[size_t(n)]); }),
                 chain->end());
  }
    break;
  default: VELC_ASSERT(!"unknown use type");
  }
}

void opt_build_chains(basic_block *blocks, dfa_map *defs, const SymbolRecord *function) {
  ExitRule rule{s_is_interrupt(blocks, function), !s_returns_void(function), s_returns_aggregate(function)};
  ReachWalk walk = s_walk(defs);
  for (basic_block *b = blocks; b; b = b->next) {
    bitset reach = *b->reach_in;
    s_walk_start(walk, &reach);
    for (ocode *oc = b->first; oc; oc = oc->next) {
      for (const dfa_ref &u : oc->dfa->uses)
        s_chain_of_use(walk, u, rule, &oc->dfa->chain);
      s_pass_node(walk, oc);
      if (oc == b->last)
        break;
    }
  }
}

void opt_free_dataflow(basic_block *blocks, dfa_map *defs) {
  s_each_node(blocks, [&](basic_block *, ocode *oc) {
    delete oc->dfa;
    oc->dfa = nullptr;
  });
  for (basic_block *b = blocks; b; b = b->next) {
    free_bitset(b->gen);
    free_bitset(b->kill);
    free_bitset(b->reach_in);
    free_bitset(b->reach_out);
    b->gen = b->kill = b->reach_in = b->reach_out = nullptr;
  }
  delete defs;
}
