// Support services of the preprocessor. In: spellings, names and diagnostic
// requests from every pass. Out: interned identifiers and file names, arena
// copies of generated text, interned hide sets, and catalogue diagnostics
// positioned at the current file and line.
#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "cppqx/pp.h"
#include "driver/diag.h"

static const char *const s_punct_spellings[] = {
#define PUNCT(code, spelling) spelling,
#include "cppqx/punct.def"
#undef PUNCT
};
static_assert(sizeof s_punct_spellings / sizeof s_punct_spellings[0] == P_COUNT, "one spelling per punctuator");
static_assert(P_COUNT == 48, "C has 48 punctuators besides the digraphs");

const char *punct_spelling(unsigned code) { return code < P_COUNT ? s_punct_spellings[code] : "?"; }

static uint32_t s_hash(const char *text, size_t len) {
  uint32_t h = 2166136261u;
  for (size_t i = 0; i < len; i++)
    h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
  return h;
}

static void s_ident_grow(Pp &pp) {
  std::vector<Ident *> old = std::move(pp.id_slots);
  pp.id_slots.assign(old.empty() ? 4096 : old.size() * 2, nullptr);
  size_t mask = pp.id_slots.size() - 1;
  for (Ident *id : old) {
    if (!id)
      continue;
    size_t i = id->hash & mask;
    while (pp.id_slots[i])
      i = (i + 1) & mask;
    pp.id_slots[i] = id;
  }
}

Ident *pp_ident(Pp &pp, const char *text, size_t len) {
  if ((pp.id_count + 1) * 2 > pp.id_slots.size())
    s_ident_grow(pp);
  uint32_t h = s_hash(text, len);
  size_t mask = pp.id_slots.size() - 1;
  size_t i = h & mask;
  while (Ident *id = pp.id_slots[i]) {
    if (id->hash == h && id->len == len && memcmp(id->name, text, len) == 0)
      return id;
    i = (i + 1) & mask;
  }
  Ident *id = &pp.ident_store.emplace_back(Ident{pp_save(pp, text, len), static_cast<uint32_t>(len), h, nullptr, BI_NONE, nullptr});
  pp.id_slots[i] = id;
  pp.id_count++;
  return id;
}

// Reserves len + 1 bytes; copies text there when given.
const char *pp_save(Pp &pp, const char *text, size_t len) {
  if (len + 1 > pp.arena_left) {
    size_t size = std::max<size_t>(len + 1, 64 * 1024);
    pp.arena.push_back(std::make_unique<char[]>(size));
    pp.arena_next = pp.arena.back().get();
    pp.arena_left = size;
  }
  char *out = pp.arena_next;
  if (text)
    memcpy(out, text, len);
  out[len] = '\0';
  pp.arena_next += len + 1;
  pp.arena_left -= len + 1;
  return out;
}

const char *pp_name(Pp &pp, const std::string &name) { return pp.names.insert(name).first->c_str(); }

static void s_position(const char *file, long line) {
  snprintf(yyfilename, sizeof yyfilename, "%s", file ? file : "");
  yylineno = line;
}

void pp_error(Pp &pp, long line, long number, ...) {
  s_position(pp.stack.empty() ? yyfilename : pp.stack.back()->name, line);
  va_list args;
  va_start(args, number);
  try {
    vpost_error(number, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

void pp_error_in(const char *file, long line, long number, ...) {
  s_position(file, line);
  va_list args;
  va_start(args, number);
  try {
    vpost_error(number, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

void pp_warning(Pp &pp, long line, const char *format, ...) {
  s_position(pp.stack.empty() ? yyfilename : pp.stack.back()->name, line);
  char text[512];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  yywarning("%s", text);
}

// ---- hide sets ---------------------------------------------------------------

// A new set. Equal sets met along different paths may get separate records:
// membership is what counts, and each union is remembered on its left set.
static const HideSet *s_intern(Pp &pp, std::vector<const Ident *> names) {
  if (names.empty())
    return nullptr;
  HideSet &set = pp.hide_sets.emplace_back();
  set.names = std::move(names);
  return &set;
}

bool hs_has(const HideSet *hs, const Ident *id) {
  if (!hs)
    return false;
  return std::binary_search(hs->names.begin(), hs->names.end(), id, std::less<const Ident *>());
}

const HideSet *hs_single(Pp &pp, Ident *id) {
  if (!id->single)
    id->single = s_intern(pp, {id});
  return id->single;
}

const HideSet *hs_union(Pp &pp, const HideSet *a, const HideSet *b) {
  if (!a || a == b)
    return b;
  if (!b)
    return a;
  // Neighbouring tokens of one replacement usually ask the same question,
  // and a set meets only a few others: a short list beats a hash lookup.
  if (a == pp.hs_last_union[0] && b == pp.hs_last_union[1])
    return pp.hs_last_union[2];
  const HideSet *result = nullptr;
  for (const auto &u : a->unions)
    if (u.first == b)
      result = u.second;
  if (!result) {
    std::vector<const Ident *> names;
    names.reserve(a->names.size() + b->names.size());
    std::set_union(a->names.begin(), a->names.end(), b->names.begin(), b->names.end(), std::back_inserter(names),
                   std::less<const Ident *>());
    result = s_intern(pp, std::move(names));
    a->unions.emplace_back(b, result);
  }
  pp.hs_last_union[0] = a;
  pp.hs_last_union[1] = b;
  pp.hs_last_union[2] = result;
  return result;
}

const HideSet *hs_inter(Pp &pp, const HideSet *a, const HideSet *b) {
  if (!a || !b)
    return nullptr;
  if (a == b)
    return a;
  auto key = std::make_pair<const void *, const void *>(a, b);
  auto it = pp.hs_inter_cache.find(key);
  if (it != pp.hs_inter_cache.end())
    return it->second;
  std::vector<const Ident *> names;
  std::set_intersection(a->names.begin(), a->names.end(), b->names.begin(), b->names.end(),
                        std::back_inserter(names), std::less<const Ident *>());
  const HideSet *result = s_intern(pp, std::move(names));
  pp.hs_inter_cache[key] = result;
  return result;
}
