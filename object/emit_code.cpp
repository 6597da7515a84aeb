// Code sections of the second walk. In: a code section's optimised output
// code, in which every branch is resolved into instructions. Out: one
// 16-bit word per instruction (a two-word instruction arrives as the
// instruction and its WORD2), a relocation for every symbol operand, a line
// number for every instruction with a source line, the addresses of the
// function entries, and an entry for every label that a relocation names.
// With -s each node is listed as it is encoded.
#include <cstdio>

#include "device/instset.h"
#include "driver/diag.h"
#include "gen/ocode.h"
#include "object/emit_internal.h"

// Labels reach the symbol table only when an instruction names them.
static void s_mark_labels(ocode *list) {
  for (ocode *oc = list; oc; oc = oc->next) {
    if (oc->type != OC_INST) continue;
    for (const inst_operand &op : oc->data.inst.ins->operand) {
      if (op.type != SYMBOL_OP || !op.data.symbol.sym) continue;
      const SymbolRecord *sym = op.data.symbol.sym;
      if (sym->type == LABEL && sym->label_node) sym->label_node->data.label.used_in_relocation = 1;
    }
  }
}

// A line of a named file; every file named by a line marker has its .file
// entry, from the master list or from the list of files the unit depends on.
static void s_line_number(EmitState &st, EmitSection &scn, long line, const char *file) {
  if (line == 0 || !file) return;
  long source = emit_file_index(st, file);
  VELC_ASSERT(source >= 0);
  coff_lineno l{};
  l.l_srcndx = uint32_t(source);
  l.l_lnno = uint16_t(line);
  l.l_paddr = scn.position;
  l.l_flags = 0;
  l.l_fcnndx = st.function_index >= 0 ? uint32_t(st.function_index) : 0;
  scn.lines.push_back(l);
}

// The word from the instruction tables: symbol operands stay 0 in the word
// and are described by a relocation at the word's offset instead.
static void s_instruction(EmitState &st, size_t section, const inst *ins, long line, const char *file) {
  s_line_number(st, st.sections[section], line, file);
  VELC_ASSERT(ins->opcode != BANKSEL);  // bank selection is expanded before
  inst_word word = setInstType(0, ins->opcode, st.inst_set);
  for (int n = 0; n < 3; n++) {
    const inst_operand &op = ins->operand[n];
    if (op.type == SYMBOL_OP && op.reloc != 0xFFFF)
      emit_relocation(st, section, op.data.symbol.sym, op.reloc, op.data.symbol.offset);
    else if (op.type == LITERAL_OP)
      word = setOperand(word, uint32_t(op.data.literal), st.inst_set, n);
  }
  EmitSection &scn = st.sections[section];
  scn.data.push_back(uint8_t(word & 0xFF));
  scn.data.push_back(uint8_t(word >> 8));
  scn.position += 2;
}

static uint32_t s_entry_of(EmitState &st, const void *key) {
  auto found = st.entry_index.find(key);
  VELC_ASSERT(found != st.entry_index.end());
  return found->second;
}

static void s_place(EmitState &st, uint32_t index, size_t section, uint32_t value) {
  emit_sym(st, index).n_value = value;
  emit_sym(st, index).n_scnum = emit_section_number(section);
}

// The function starts here: its entry and its .bf get the address.
static void s_function_label(EmitState &st, size_t section, const SymbolRecord *fsym) {
  auto found = st.var_index.find(fsym);
  VELC_ASSERT(found != st.var_index.end());
  uint32_t position = st.sections[section].position;
  s_place(st, found->second, section, position);
  s_place(st, s_entry_of(st, fsym->bfunct), section, position);
  st.function_index = long(found->second);
}

// .ef names the function's last instruction word.
static void s_function_end(EmitState &st, size_t section, const SymbolRecord *fsym) {
  const EmitSection &scn = st.sections[section];
  s_place(st, s_entry_of(st, fsym->efunct), section, scn.position >= scn.start + 2 ? scn.position - 2 : scn.position);
}

static void s_label(EmitState &st, size_t section, const ocode *oc) {
  const SymbolRecord *sym = oc->data.label.sym;
  if (!sym || !oc->data.label.used_in_relocation) return;
  uint32_t index = emit_add_symbol(st, sym->name ? sym->name : "");
  s_place(st, index, section, st.sections[section].position);
  emit_sym(st, index).n_sclass = emit_convert_storage_class(sym);
  st.entry_index[sym] = index;
  emit_define_index(st, sym, index);
}

static void s_listing(EmitState &st, const ocode *oc) {
  if (!emit_assembly_flag || oc->type == OC_PUSH_TEMPS || oc->type == OC_POP_TEMPS) return;
  printf("%4d", int(st.listing_counter++));
  printOcode(oc, 1);
}

static void s_node(EmitState &st, size_t section, const ocode *oc) {
  s_listing(st, oc);
  switch (oc->type) {
  case OC_INST: s_instruction(st, section, oc->data.inst.ins, oc->line, oc->file); break;
  case OC_BFUNCT: s_function_label(st, section, oc->data.funct.sym); break;
  case OC_EFUNCT: s_function_end(st, section, oc->data.funct.sym); break;
  case OC_LABEL: s_label(st, section, oc); break;
  case OC_NOP: break;
  default: VELC_ASSERT(!"output code left unresolved before the object emitter");
  }
}

void emit_code_section(EmitState &st, const SectionRecord *scn) {
  if (!scn || !scn->code || st.encoded.count(scn)) return;
  st.encoded.insert(scn);
  uint32_t a = scn->attributes;
  size_t section = emit_section(st, scn->name, EMIT_CODE, a & SCN_SHARED, a & SCN_OVERLAY, a & SCN_ACCESS,
                                a & SCN_ABSOLUTE, uint32_t(scn->address));
  s_mark_labels(scn->code);
  for (const ocode *oc = scn->code; oc; oc = oc->next) s_node(st, section, oc);
}
