// Types and storage classes in the object format's terms, and the debugging
// entries that describe structures and unions. In: translator types and
// symbols. Out: 16-bit type words, storage-class codes, the auxiliary entry of
// an array or structure variable or member, and for each structure or union
// met in a type, once, its tag entry with the members and ".eos".
#include <cstdio>

#include "driver/diag.h"
#include "object/emit_internal.h"

uint8_t emit_convert_storage_class(const SymbolRecord *sym) {
  if (sym->type == LABEL) return C_LABEL;
  if (sym->linkage == LINKAGE_EXTERNAL) return C_EXT;
  if (sym->linkage == LINKAGE_INTERNAL) return C_STAT;
  switch (sym->data.var.sclass) {
  case STATIC:
  case OVERLAY: return C_STAT;
  case AUTO: return C_AUTO;
  default: VELC_ASSERT(!"storage class without an object-format code");
  }
}

// A pointer's code says where its target lies and how wide its address is.
static unsigned s_pointer_code(const TypeRecord *target) {
  if (!target || target->location != ROM_LOC) return DT_RAMPTR;
  return target->range == NEAR_RANGE ? DT_ROMPTR : DT_FARROMPTR;
}

static unsigned s_basic_code(const TypeRecord *t) {
  if (!t) return T_NULL;
  if (t->type == SUE_TYPE) {
    const SuDefinition *def = t->data.sue.tag ? t->data.sue.tag->definition : nullptr;
    if (!def) return T_VOID;
    return def->kind == STRUCT_TAG ? T_STRUCT : def->kind == UNION_TAG ? T_UNION : T_ENUM;
  }
  if (t->type != BASIC_TYPE) return T_NULL;
  bool is_signed = t->flags.basic.is_signed, is_short = t->flags.basic.is_short, is_long = t->flags.basic.is_long;
  switch (t->data.basic.base) {
  case BT_VOID: return T_VOID;
  case BT_CHAR: return is_signed ? T_CHAR : T_UCHAR;
  case BT_FLOAT: return T_FLOAT;  // every floating type is 32 bits
  case BT_INT:
    if (is_short && is_long) return is_signed ? T_SLONG : T_USLONG;
    if (is_long) return is_signed ? T_LONG : T_ULONG;
    if (is_short) return is_signed ? T_SHORT : T_USHORT;
    return is_signed ? T_INT : T_UINT;
  default: return T_NULL;
  }
}

static bool s_is_derivation(const TypeRecord *t) {
  return t && (t->type == POINTER_TYPE || t->type == FUNCTION_TYPE || t->type == ARRAY_TYPE);
}

// Derivations from the outside in at bits 5, 8, 11, ...; behind a function an
// array is passed as a pointer in its own memory space.
uint32_t emit_convert_type(const TypeRecord *t) {
  uint32_t word = 0;
  int field = 0;
  bool past_function = false;
  for (; s_is_derivation(t); t = t->next, field++) {
    unsigned code = DT_NON;
    if (t->type == POINTER_TYPE) {
      code = s_pointer_code(t->next);
    } else if (t->type == FUNCTION_TYPE) {
      code = DT_FCN;
      past_function = true;
    } else {
      code = past_function ? s_pointer_code(t) : DT_ARY;
    }
    if (field < N_DERIV_MAX) word |= uint32_t(code) << (N_TBSHFT + N_TSHIFT * field);
  }
  word |= s_basic_code(t);
  return word & 0xFFFF;
}

// The definition of the structure or union a type names at any level.
static const SuDefinition *s_sue_definition(const TypeRecord *t) {
  for (; t; t = t->next)
    if (t->type == SUE_TYPE && t->data.sue.tag && t->data.sue.tag->definition &&
        t->data.sue.tag->definition->kind != ENUM_TAG)
      return t->data.sue.tag->definition;
  return nullptr;
}

long emit_tag_of(EmitState &st, const TypeRecord *t, const char *name) {
  const SuDefinition *def = s_sue_definition(t);
  if (!def) return 0;
  auto found = st.tag_index.find(def);
  if (found == st.tag_index.end()) post_error(154, name ? name : "");
  return found == st.tag_index.end() ? 0 : found->second;
}

static const TypeRecord *s_first_array(const TypeRecord *t) {
  while (t && t->type != ARRAY_TYPE) t = t->next;
  return t;
}

// Up to six dimensions from the outermost array; the last two lie behind x_dimen.
static void s_array_dimensions(coff_auxent &aux, const TypeRecord *array) {
  int n = 0;
  for (const TypeRecord *t = array; t && t->type == ARRAY_TYPE && n < 6; t = t->next, n++) {
    uint16_t count = uint16_t(t->data.array.count);
    if (n < 4)
      aux.x_arr.x_dimen[n] = count;
    else
      aux.x_arr.x_dimen_more[n - 4] = count;
  }
}

// A waiting entry gets the tag's index when the tag is emitted (x_tagndx lies at 0 in both kinds).
static void s_set_tagndx(EmitState &st, uint32_t aux, const TypeRecord *t, const char *name) {
  long tag = emit_tag_of(st, t, name);
  if (tag < 0)
    st.forward_tag_refs.emplace_back(s_sue_definition(t), aux);
  else
    emit_aux(st, aux).x_arr.x_tagndx = uint32_t(tag);
}

void emit_aux_arr_or_sue_var(EmitState &st, uint32_t symbol, const TypeRecord *t, const char *name) {
  const coff_syment &e = emit_sym(st, symbol);
  if (coff_is_array(&e)) {
    const TypeRecord *array = s_first_array(t);
    uint32_t aux = emit_add_aux(st, symbol);
    s_set_tagndx(st, aux, t, name);
    emit_aux(st, aux).x_arr.x_size = uint16_t(ll_sizeof_type(array));
    s_array_dimensions(emit_aux(st, aux), array);
  } else if (coff_is_sue_var(&e)) {
    const TypeRecord *sue = t;
    while (sue && sue->type != SUE_TYPE) sue = sue->next;
    uint32_t aux = emit_add_aux(st, symbol);
    s_set_tagndx(st, aux, t, name);
    emit_aux(st, aux).x_var.x_size = uint16_t(sue ? ll_sizeof_type(sue) : 0);
  }
}

// A member: bit fields carry their bit position and width; other members
// their byte offset and the entry of an array or structure type.
static void s_sue_member(EmitState &st, const MemberRecord *m, TagKind kind) {
  char generated[32];
  const char *name = m->name;
  if (!name) {
    snprintf(generated, sizeof generated, "__member_%d", st.member_counter++);
    name = generated;
  }
  uint32_t index = emit_add_symbol(st, name);
  coff_syment &e = emit_sym(st, index);
  e.n_scnum = -1;
  e.n_type = emit_convert_type(m->type);
  if (m->is_bitfield) {
    e.n_sclass = C_FIELD;
    e.n_value = uint32_t(8 * m->offset + m->bit_offset);
    uint32_t aux = emit_add_aux(st, index);
    emit_aux(st, aux).x_field.x_size = uint16_t(m->bit_size);
    return;
  }
  e.n_sclass = kind == UNION_TAG ? C_MOU : C_MOS;
  e.n_value = uint32_t(m->offset);
  emit_aux_arr_or_sue_var(st, index, m->type, name);
}

// Tag index known: the entries that waited for it get it.
static void s_fill_forward_references(EmitState &st, const SuDefinition *def, uint32_t index) {
  for (auto it = st.forward_tag_refs.begin(); it != st.forward_tag_refs.end();) {
    if (it->first == def) {
      emit_aux(st, it->second).x_arr.x_tagndx = index;
      it = st.forward_tag_refs.erase(it);
    } else {
      ++it;
    }
  }
}

static void s_define_sue_tag(EmitState &st, const TagEntry *tag) {
  const SuDefinition *def = tag->definition;
  VELC_ASSERT(def->kind != ENUM_TAG);
  st.tag_index[def] = -1;
  for (const MemberRecord *m = def->members; m; m = m->next) emit_sue_tags_of(st, m->type);
  uint32_t index = emit_add_symbol(st, tag->name ? tag->name : "");
  st.tag_index[def] = index;
  s_fill_forward_references(st, def, index);
  coff_syment &e = emit_sym(st, index);
  e.n_scnum = -2;
  e.n_type = def->kind == STRUCT_TAG ? T_STRUCT : T_UNION;
  e.n_sclass = def->kind == STRUCT_TAG ? C_STRTAG : C_UNTAG;
  uint32_t aux = emit_add_aux(st, index);
  emit_aux(st, aux).x_tag.x_size = uint16_t(def->size);
  if (st.prev_tag_aux >= 0) emit_aux(st, uint32_t(st.prev_tag_aux)).x_tag.x_endndx = index;
  st.prev_tag_aux = aux;
  for (const MemberRecord *m = def->members; m; m = m->next) s_sue_member(st, m, def->kind);
  uint32_t eos = emit_add_symbol(st, ".eos");
  emit_sym(st, eos).n_scnum = -2;
  emit_sym(st, eos).n_sclass = C_EOS;
  uint32_t eos_aux = emit_add_aux(st, eos);
  emit_aux(st, eos_aux).x_eos.x_tagndx = index;
  emit_aux(st, eos_aux).x_eos.x_size = uint16_t(def->size);
}

void emit_sue_tags_of(EmitState &st, const TypeRecord *t) {
  for (; t; t = t->next) {
    if (t->type != SUE_TYPE || !t->data.sue.tag) continue;
    const TagEntry *tag = t->data.sue.tag;
    if (!tag->definition || tag->definition->kind == ENUM_TAG) continue;
    if (!st.tag_index.count(tag->definition)) s_define_sue_tag(st, tag);
  }
}
