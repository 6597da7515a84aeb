// Debugging entries of the symbol table. In: the source-file, function and
// block markers of the master list (first walk), and the line numbers of the
// encoded code (second walk). Out: ".file" entries with ".eof" between them,
// function entries with ".bf"/".ef", and ".bb"/".eb" for blocks, each with
// its auxiliary entry and the chains between them.
#include <cstdio>
#include <cstring>

#include "driver/diag.h"
#include "driver/paths.h"
#include "object/emit_internal.h"

void emit_source_file_end(EmitState &st) {
  uint32_t index = emit_add_symbol(st, ".eof");
  emit_sym(st, index).n_scnum = -2;
  emit_sym(st, index).n_sclass = C_EOF;
}

void emit_source_file_begin(EmitState &st, const char *name, uint32_t include_line, uint8_t flags) {
  if (strlen(name) > VELC_PATH_MAX) return;
  if (st.prev_file_sym >= 0) emit_source_file_end(st);
  uint32_t index = emit_add_symbol(st, ".file");
  if (st.prev_file_sym >= 0)
    emit_sym(st, uint32_t(st.prev_file_sym)).n_value = index;
  else
    st.source_file_index = index;
  st.prev_file_sym = index;
  st.entered_file.emplace(name, index);  // the first entry of a file wins
  coff_syment &e = emit_sym(st, index);
  e.n_scnum = -2;
  e.n_sclass = C_FILE;
  uint32_t aux = emit_add_aux(st, index);
  coff_auxent &a = emit_aux(st, aux);
  a.x_file.x_offset = emit_add_string(st, name);
  a.x_file.x_incline = include_line;
  a.x_file.x_flags = flags;
}

long emit_file_index(EmitState &st, const char *name) {
  if (!name) return -1;
  auto known = st.full_path.find(name);
  if (known == st.full_path.end()) {
    char path[VELC_PATH_MAX + 1];
    velc_fullpath(path, name, sizeof path);
    known = st.full_path.emplace(name, path).first;
  }
  auto found = st.entered_file.find(known->second);
  return found == st.entered_file.end() ? -1 : long(found->second);
}

// The code section a function's entries point at until its code is placed.
static void s_place_in_code(EmitState &st, uint32_t index) {
  size_t code = emit_current_section(st, EMIT_CODE);
  emit_sym(st, index).n_scnum = emit_section_number(code);
  emit_sym(st, index).n_value = st.sections[code].position;
}

// The activation-record section "%s:%s" of a function with statically allocated locals.
static int16_t s_activation_section(EmitState &st, const SymbolRecord *fsym) {
  if (!fsym->has_overlay_locals) return 0;
  std::string name = st.object_file_name + ":" + (fsym->name ? fsym->name : "");
  return emit_section_number(emit_section(st, name.c_str(), EMIT_ACTREC, false, false, false, false, 0));
}

void emit_function_begin(EmitState &st, const SymbolRecord *entry) {
  const SymbolRecord *fsym = entry->data.function;
  VELC_ASSERT(fsym != nullptr);
  if (emit_has_index(st, fsym)) post_error(153, fsym->name);
  const TypeRecord *type = fsym->data.var.type;
  emit_sue_tags_of(st, type);
  int16_t actrec = s_activation_section(st, fsym);
  uint32_t index = emit_add_symbol(st, fsym->name ? fsym->name : "");
  emit_define_index(st, fsym, index);
  emit_sym(st, index).n_type = emit_convert_type(type);
  emit_sym(st, index).n_sclass = emit_convert_storage_class(fsym);
  s_place_in_code(st, index);
  long tag = type && type->next ? emit_tag_of(st, type->next, fsym->name) : 0;
  uint32_t aux = emit_add_aux(st, index);
  emit_aux(st, aux).x_fcn.x_tagndx = uint32_t(tag > 0 ? tag : 0);
  emit_aux(st, aux).x_fcn.x_actscnum = actrec;

  uint32_t bf = emit_add_symbol(st, ".bf");
  emit_sym(st, bf).n_sclass = C_FCN;
  s_place_in_code(st, bf);
  uint32_t bf_aux = emit_add_aux(st, bf);
  emit_aux(st, bf_aux).x_bobf.x_lnno = uint16_t(entry->line);
  if (st.prev_bf_aux >= 0) emit_aux(st, uint32_t(st.prev_bf_aux)).x_bobf.x_endndx = bf;
  st.prev_bf_aux = bf_aux;
  st.entry_index[entry] = bf;
}

void emit_function_end(EmitState &st, const SymbolRecord *entry) {
  uint32_t ef = emit_add_symbol(st, ".ef");
  emit_sym(st, ef).n_sclass = C_FCN;
  s_place_in_code(st, ef);
  uint32_t aux = emit_add_aux(st, ef);
  emit_aux(st, aux).x_eobf.x_lnno = uint16_t(entry->line);
  st.entry_index[entry] = ef;
}

static uint32_t s_source_index(const EmitState &st) {
  return st.source_file_index >= 0 ? uint32_t(st.source_file_index) : 0;
}

void emit_block_begin(EmitState &st, const SymbolRecord *entry) {
  uint32_t bb = emit_add_symbol(st, ".bb");
  emit_sym(st, bb).n_sclass = C_BLOCK;
  s_place_in_code(st, bb);
  uint32_t aux = emit_add_aux(st, bb);
  emit_aux(st, aux).x_bobf.x_srcndx = s_source_index(st);
  emit_aux(st, aux).x_bobf.x_lnno = uint16_t(entry->line);
  st.open_blocks.push_back(aux);
  st.entry_index[entry] = bb;
}

void emit_block_end(EmitState &st, const SymbolRecord *entry) {
  uint32_t eb = emit_add_symbol(st, ".eb");
  emit_sym(st, eb).n_sclass = C_BLOCK;
  s_place_in_code(st, eb);
  uint32_t aux = emit_add_aux(st, eb);
  emit_aux(st, aux).x_eobf.x_srcndx = s_source_index(st);
  emit_aux(st, aux).x_eobf.x_lnno = uint16_t(entry->line);
  VELC_ASSERT(!st.open_blocks.empty());
  emit_aux(st, st.open_blocks.back()).x_bobf.x_endndx = eb;
  st.open_blocks.pop_back();
  st.entry_index[entry] = eb;
}

// ---- second walk: block values -----------------------------------------------
//
// A block's entries get the addresses of its code: ".bb" the first line entry
// of the block's function whose line is at least the block's opening line,
// ".eb" the highest address among the function's line entries whose line is
// at most the closing line. The search covers the line entries of the
// block's own function only (those naming it in l_fcnndx), in its section.
// A block without code of its own keeps the address its function starts at;
// an end found below its begin sets both to 0.

static const EmitSection *s_function_section(EmitState &st) {
  if (st.walk_function < 0) return nullptr;
  int16_t scnum = emit_sym(st, uint32_t(st.walk_function)).n_scnum;
  return scnum >= 1 && size_t(scnum) <= st.sections.size() ? &st.sections[size_t(scnum - 1)] : nullptr;
}

// The range of the section's line entries that holds the current function's
// (a function's code is one run of its section): found by one pass over the
// section the first time one of its functions asks, so that a unit of many
// functions is not searched once per block.
static std::pair<size_t, size_t> s_function_lines(EmitState &st, const EmitSection *scn) {
  auto key = uint32_t(st.walk_function);
  auto found = st.walk_lines.find(key);
  if (found != st.walk_lines.end()) return found->second;
  for (size_t i = 0; i < scn->lines.size(); i++) {
    auto [at, fresh] = st.walk_lines.try_emplace(scn->lines[i].l_fcnndx, i, i + 1);
    if (!fresh) at->second.second = i + 1;
  }
  st.walk_lines.try_emplace(key, 0, 0);
  return st.walk_lines[key];
}

static uint32_t s_block_begin_value(EmitState &st, long line) {
  const EmitSection *scn = s_function_section(st);
  uint32_t start = st.walk_function >= 0 ? emit_sym(st, uint32_t(st.walk_function)).n_value : 0;
  if (!scn) return start;
  auto [first, end] = s_function_lines(st, scn);
  for (size_t i = first; i < end; i++) {
    const coff_lineno &l = scn->lines[i];
    if (l.l_fcnndx == uint32_t(st.walk_function) && l.l_lnno >= line) return l.l_paddr;
  }
  return start;
}

static uint32_t s_block_end_value(EmitState &st, long line) {
  const EmitSection *scn = s_function_section(st);
  uint32_t best = 0;
  if (!scn) return 0;
  auto [first, end] = s_function_lines(st, scn);
  for (size_t i = first; i < end; i++) {
    const coff_lineno &l = scn->lines[i];
    if (l.l_fcnndx == uint32_t(st.walk_function) && l.l_lnno <= line && l.l_paddr > best) best = l.l_paddr;
  }
  return best;
}

static void s_fix_block(EmitState &st, const SymbolRecord *entry) {
  auto found = st.entry_index.find(entry);
  VELC_ASSERT(found != st.entry_index.end());
  uint32_t index = found->second;
  const EmitSection *scn = s_function_section(st);
  if (scn) emit_sym(st, index).n_scnum = int16_t(scn - st.sections.data() + 1);
  if (entry->type == SYM_BBLOCK) {
    emit_sym(st, index).n_value = s_block_begin_value(st, entry->line);
    st.walk_blocks.push_back(index);
    return;
  }
  uint32_t end = s_block_end_value(st, entry->line);
  emit_sym(st, index).n_value = end;
  if (st.walk_blocks.empty()) return;
  uint32_t begin = st.walk_blocks.back();
  st.walk_blocks.pop_back();
  if (end < emit_sym(st, begin).n_value) {
    emit_sym(st, begin).n_value = 0;
    emit_sym(st, index).n_value = 0;
  }
}

void emit_fix_debug_values(EmitState &st, const SymbolRecord *entry) {
  switch (entry->type) {
  case SYM_BFUNCT: {
    auto found = st.var_index.find(entry->data.function);
    VELC_ASSERT(found != st.var_index.end());
    st.walk_function = long(found->second);
    st.walk_blocks.clear();
    break;
  }
  case SYM_EFUNCT: st.walk_function = -1; break;
  case SYM_BBLOCK:
  case SYM_EBLOCK: s_fix_block(st, entry); break;
  default: break;
  }
}
