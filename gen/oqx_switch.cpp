// Switch lowering. In: a switch's case list (newest case first), its
// default and end labels, and where the selector is. Out: a chain of
// comparisons with a branch to each case's label, then a branch to the
// default label (or the end label when there is no default). There is no
// jump table.
#include "gen/oqx_internal.h"
#include "trans/trn_records.h"

// WREG always holds the selector XOR the value last compared, so each test
// is one XORLW with the XOR of the previous and the current case values.
ocode *oqxSwitch8(const SwitchCase *cases, SymbolRecord *default_label, SymbolRecord *end_label, bool z_known,
                  long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {});
  int32_t previous = 0;
  bool first = true;
  for (const SwitchCase *c = cases; c; c = c->next) {
    int32_t value = static_cast<int32_t>(c->value & 0xFF);
    int32_t k = value ^ previous;
    if (k != 0 || (first && !z_known))
      oqx_inst(e, iqx_XORLW(k));
    oqx_node(e, objBZSymbol(c->label, line, file));
    previous = value;
    first = false;
  }
  oqx_node(e, objBranchSymbol(default_label ? default_label : end_label, line, file));
  return e.list;
}

ocode *oqxSwitch16(const OqxOperand &sel, const SwitchCase *cases, SymbolRecord *default_label,
                   SymbolRecord *end_label, long line, const char *file) {
  if (sel.kind != OQX_RAM && sel.kind != OQX_STK)
    oqx_bad("switch selector through a pointer register");
  OqxEmit e = oqx_begin(line, file, {});
  for (const SwitchCase *c = cases; c; c = c->next) {
    oqx_node(e, oqxEqual16_Gconst(sel, oqx_cint(c->value), line, file));
    oqx_node(e, objBZSymbol(c->label, line, file));
  }
  oqx_node(e, objBranchSymbol(default_label ? default_label : end_label, line, file));
  return e.list;
}

// A selector of n bytes (3 or 4) where it lies: each case compares the bytes
// from the low one up, leaving for a byte that differs with Z clear.
ocode *oqxSwitchWide(const OqxOperand &sel, int n, const SwitchCase *cases, SymbolRecord *default_label,
                     SymbolRecord *end_label, long line, const char *file) {
  if (sel.kind != OQX_RAM && sel.kind != OQX_STK)
    oqx_bad("switch selector through a pointer register");
  OqxEmit e = oqx_begin(line, file, {sel});
  for (const SwitchCase *c = cases; c; c = c->next) {
    SymbolRecord *differs = sym_temp_label(line, file);
    for (int i = 0; i < n; ++i) {
      oqx_fd(e, MOVF, oqx_src(e, sel, i), DEST_W);
      int32_t byte = static_cast<int32_t>((static_cast<unsigned long>(c->value) >> (8 * i)) & 0xFF);
      if (byte != 0)
        oqx_inst(e, iqx_XORLW(byte));
      oqx_node(e, i < n - 1 ? objBNZSymbol(differs, line, file) : objBZSymbol(c->label, line, file));
    }
    oqx_node(e, objLabel(differs, line, file));
  }
  oqx_node(e, objBranchSymbol(default_label ? default_label : end_label, line, file));
  return e.list;
}
