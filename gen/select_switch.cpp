// The actions of the switch rules. In: an I_SWITCH8 to I_SWITCH32 node
// with the translator's switch record (its case list, default and exit
// labels) and where its kid left the selector (WREG, a widened byte in
// WREG, or a variable or frame slot of two to four bytes). Out: the selector's code
// followed by the comparison chain of gen/oqx_switch.cpp.
#include <vector>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/oqx.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "trans/trn_records.h"

static void s_switch8(pcodell_t *p, bool z_known) {
  const SwitchRecord *rec = p->switch_data;
  VELC_ASSERT(rec != nullptr);
  sel_take(0);
  VELC_ASSERT(sel_kid(0)->loc.kind == LOC_W);
  ocode *chain = oqxSwitch8(rec->cases, rec->default_label, rec->exit_label, z_known, p->line, p->file);
  if (chain)
    sel_emit_oc(chain);
}

void selSwitch8(pcodell_t *p) { s_switch8(p, false); }
void selSwitch8Z(pcodell_t *p) { s_switch8(p, true); }

void selSwitch16(pcodell_t *p) {
  const SwitchRecord *rec = p->switch_data;
  VELC_ASSERT(rec != nullptr);
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  VELC_ASSERT(l.kind == LOC_RAM || l.kind == LOC_STK);
  OqxOperand sel = l.kind == LOC_RAM ? oqx_ram(l.symbol, int32_t(l.offset), inst_access_bit(l.symbol) != 0)
                                     : oqx_stk(int32_t(l.offset));
  ocode *chain = oqxSwitch16(sel, rec->cases, rec->default_label, rec->exit_label, p->line, p->file);
  if (chain)
    sel_emit_oc(chain);
}

void selSwitchWide(pcodell_t *p) {
  const SwitchRecord *rec = p->switch_data;
  VELC_ASSERT(rec != nullptr);
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  VELC_ASSERT(l.kind == LOC_RAM || l.kind == LOC_STK);
  OqxOperand sel = l.kind == LOC_RAM ? oqx_ram(l.symbol, int32_t(l.offset), inst_access_bit(l.symbol) != 0)
                                     : oqx_stk(int32_t(l.offset));
  int n = p->opcode == I_SWITCH24 ? 3 : 4;
  ocode *chain = oqxSwitchWide(sel, n, rec->cases, rec->default_label, rec->exit_label, p->line, p->file);
  if (chain)
    sel_emit_oc(chain);
}

// A selector widened from a byte: a case outside the values the widening
// yields (0..255 zero-extended, -128..127 sign-extended) can never match,
// and the others are told apart by their low byte.
static void s_switch_widened(pcodell_t *p, bool z_known) {
  const SwitchRecord *rec = p->switch_data;
  VELC_ASSERT(rec != nullptr && p->left != nullptr);
  bool is_signed = p->left->opcode == I_C8TO16S;
  long lo = is_signed ? -128 : 0, hi = is_signed ? 127 : 255;
  std::vector<SwitchCase> reachable;
  for (const SwitchCase *c = rec->cases; c; c = c->next) {
    long v = c->value & 0xFFFF;  // the case as the 16-bit selector holds it
    if (is_signed && v >= 0x8000)
      v -= 0x10000;
    if (v >= lo && v <= hi)
      reachable.push_back(SwitchCase{v, c->label, nullptr});
  }
  for (size_t i = 0; i + 1 < reachable.size(); ++i)
    reachable[i].next = &reachable[i + 1];
  sel_take(0);
  VELC_ASSERT(sel_kid(0)->loc.kind == LOC_W);
  ocode *chain = oqxSwitch8(reachable.empty() ? nullptr : reachable.data(), rec->default_label, rec->exit_label,
                            z_known, p->line, p->file);
  if (chain)
    sel_emit_oc(chain);
}

void selSwitchWidened(pcodell_t *p) { s_switch_widened(p, false); }
void selSwitchWidenedZ(pcodell_t *p) { s_switch_widened(p, true); }
