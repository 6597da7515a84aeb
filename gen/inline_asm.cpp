// Lowering of assembly blocks. In: the entry list of one block, with its
// labels and symbol operands already resolved to symbols by translation.
// Out: the block's output code: label nodes, and one instruction record per
// accepted instruction (from_asm set), two-word instructions followed by
// their WORD2 record. Messages 1250, 1251 and 1252 name the entry's line.
#include <cstdio>

#include "device/instset.h"
#include "device/processors.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "front/hl.h"
#include "gen/gen.h"
#include "gen/ocode.h"

static const char *const s_ordinals[] = {"one", "two", "three"};

static int s_operand_count(int type) {
  int count = 0;
  for (int n = 0; n < 3; n++)
    if (hasOperand(type, INSTSET_HARROW, n))
      count++;
  return count;
}

static int s_supplied_count(const asm_operand *o) {
  int count = 0;
  for (; o; o = o->next)
    count++;
  return count;
}

// The symbol of an operand name; translation resolved it, except a core
// register named while the code generator's symbols did not exist.
static SymbolRecord *s_operand_symbol(const asm_operand *o) {
  SymbolRecord *sym = o->sym ? o->sym : gen_register_symbol(o->symbol);
  VELC_ASSERT(sym != nullptr);
  return sym;
}

// Operand slot n from the entry's operand: a symbol with the relocation
// type of its position (1250 and literal 0 where the position takes none),
// or a literal.
static void s_fill_operand(inst *ins, int n, const asm_operand *o, const char *mnemonic) {
  inst_operand &slot = ins->operand[n];
  if (!o->symbol) {
    slot.type = LITERAL_OP;
    slot.data.literal = o->value;
    return;
  }
  int reloc = getOperandReloct(ins->opcode, INSTSET_HARROW, n);
  if (reloc < 0 && n == 1 && hasWord2(ins->opcode, INSTSET_HARROW) &&
      getWord2Arg(ins->opcode, INSTSET_HARROW) == 1 && getWord2Reloct(ins->opcode, INSTSET_HARROW) >= 0)
    reloc = 0;  // carried by the second word, which has the relocation
  if (reloc < 0) {
    post_error(1250, mnemonic, s_ordinals[n]);
    slot.type = LITERAL_OP;
    slot.data.literal = 0;
    return;
  }
  slot.type = SYMBOL_OP;
  slot.data.symbol.sym = s_operand_symbol(o);
  slot.data.symbol.offset = o->value;
  slot.reloc = static_cast<uint16_t>(reloc);
}

// The WORD2 record of a two-word instruction: a copy of the operand the
// second word carries. A literal is split between the words (LFSR: bits 8
// to 11 stay in the first word, the low byte goes to the second; CALL and
// GOTO: a byte address becomes a word address, the second word takes its
// bits 9 and up). An operand with no field in the first word lives only in
// the second word.
static inst *s_second_word(inst *first) {
  int arg = getWord2Arg(first->opcode, INSTSET_HARROW);
  VELC_ASSERT(arg == 0 || arg == 1);
  inst *second = inst_create();
  second->opcode = WORD2;
  second->from_asm = 1;
  inst_operand &carried = first->operand[arg];
  second->operand[0] = carried;
  if (carried.type == SYMBOL_OP) {
    second->operand[0].reloc = static_cast<uint16_t>(getWord2Reloct(first->opcode, INSTSET_HARROW));
  } else if (first->opcode == LFSR) {
    int32_t k = carried.data.literal;
    second->operand[0].data.literal = k & 0xFF;
    carried.data.literal = (k >> 8) & 0xF;
  } else if (first->opcode == CALL || first->opcode == GOTO) {
    int32_t k = carried.data.literal;
    carried.data.literal = k >> 1;
    second->operand[0].data.literal = k >> 9;
  }
  if (getOperandWidth(first->opcode, INSTSET_HARROW, arg) == 0)
    carried = inst_operand{};
  return second;
}

// ADDFSR and SUBFSR on FSR 3 are ADDULNK and SUBULNK: the FSR operand goes.
static void s_fsr3_to_ulnk(inst *ins) {
  if ((ins->opcode != ADDFSR && ins->opcode != SUBFSR) || ins->operand[0].type != LITERAL_OP ||
      (ins->operand[0].data.literal & 3) != 3)
    return;
  ins->opcode = ins->opcode == ADDFSR ? ADDULNK : SUBULNK;
  for (int n = 0; n < 3; n++)
    ins->operand[n] = ins->operand[n + 1];
  ins->operand[3] = inst_operand{};
}

// One instruction entry; null after a message that drops it.
static ocode *s_instruction(const asm_entry *e) {
  int type = 0;
  if (!mnemonic2type(e->text, INSTSET_HARROW, &type) || type == WORD2 || !isInstTypeOf(type, INSTSET_HARROW)) {
    post_error(1252, e->text, getDvsProcName(processor));
    return nullptr;
  }
  inst *ins = inst_create();
  ins->opcode = type;
  ins->from_asm = 1;
  int takes = s_operand_count(type);
  int n = 0;
  for (const asm_operand *o = e->operands; o && n < 3; o = o->next, n++)
    if (n < takes)
      s_fill_operand(ins, n, o, e->text);
  if (s_supplied_count(e->operands) != takes) {
    post_error(1251, e->text);
    inst_free(ins);
    return nullptr;
  }
  inst *second = hasWord2(type, INSTSET_HARROW) ? s_second_word(ins) : nullptr;
  s_fsr3_to_ulnk(ins);
  ocode *code = objInst(ins, e->line, e->file);
  if (second)
    objAppend(code, objInst(second, e->line, e->file));
  return code;
}

// Label entries keep no position: a label takes the position of the
// instruction it stands before (or after, at the end of a block).
static const asm_entry *s_label_position(const asm_entry *label, const asm_entry *previous) {
  for (const asm_entry *e = label; e; e = e->next)
    if (e->type == INST_HINST)
      return e;
  return previous ? previous : label;
}

ocode *objInlineAssembly(const asm_entry *hlist) {
  ocode *list = nullptr;
  const asm_entry *previous = nullptr;
  for (const asm_entry *e = hlist; e; e = e->next) {
    if (e->type == LABEL_HINST) {
      VELC_ASSERT(e->label != nullptr);
      const asm_entry *at = s_label_position(e, previous);
      list = objAppend(list, objLabel(e->label, at->line, at->file));
      continue;
    }
    previous = e;
    yylineno = e->line;
    if (e->file)
      snprintf(yyfilename, sizeof yyfilename, "%s", e->file);
    list = objAppend(list, s_instruction(e));
  }
  return list;
}
