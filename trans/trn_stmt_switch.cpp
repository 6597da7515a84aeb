// switch, case and default, labels and goto. In: the controlling
// expression, case values and statement lists. Out: I_SWITCH of the
// promoted expression's width carrying the switch record, case and default
// labels, the exit label; goto and labels with forward references that are
// checked when the function ends.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

void trn_push_break(SymbolRecord *label);
void trn_pop_break();

static SwitchRecord *sSwitchStack;
static std::vector<SwitchRecord *> s_all_switches;  // owned until trn_switch_free
// The case values of each open switch, innermost last, so that a repeated
// value is found at once however many cases a switch has.
static std::vector<std::unordered_set<long>> s_case_values;
// Labels used by goto before their definition, in order of first use; a
// label defined later leaves a null in its place. The map gives each
// waiting label's place, so that a function of thousands of labels is
// checked in linear time.
static std::vector<SymbolRecord *> sLabelForwardReferenceList;
static std::unordered_map<const SymbolRecord *, size_t> s_forward_place;

static SList s_labelled(SymbolRecord *label, SList stmt, long line, const char *file) {
  SList out;
  slist_add(out, ll_label(label, line, file));
  slist_cat(out, stmt);
  return out;
}

pcodell_t *trnSwitchStatementBegin(pcodell_t *expr, long line, const char *file) {
  auto *rec = static_cast<SwitchRecord *>(calloc(1, sizeof(SwitchRecord)));
  if (!rec)
    post_error(101);
  s_all_switches.push_back(rec);
  rec->enclosing = sSwitchStack;
  sSwitchStack = rec;
  s_case_values.emplace_back();
  if (!is_type_integer(expr->type)) {
    post_error(1112);
    trn_free(expr);
    expr = trn_int_constant(S8, 0, line, file);
  }
  expr = trn_integer_promotion(expr);
  rec->type = trn_keep(type_copy(expr->type));
  rec->exit_label = trn_new_label("switchexit");
  trn_push_break(rec->exit_label);
  return expr;
}

SList trnCaseStatement(pcodell_t *value, SList stmt, long line, const char *file) {
  if (!is_pcodell_constant(value) || !is_type_integer(value->type)) {
    post_error(1113);
    trn_free(value);
    return stmt;
  }
  if (!sSwitchStack) {
    post_error(1114);
    trn_free(value);
    return stmt;
  }
  value = trnCast(value, sSwitchStack->type, line, file);
  const ConstValue &c = value->data.expr.cnst.value;
  long v = is_type_signed(sSwitchStack->type) ? get_signed_constant_value(c.code, c)
                                               : static_cast<long>(get_unsigned_constant_value(c.code, c));
  trn_free(value);
  if (!s_case_values.back().insert(v).second) {
    post_error(1515, v);
    return stmt;
  }
  char prefix[32];
  snprintf(prefix, sizeof prefix, "case_%ld", v);
  auto *k = static_cast<SwitchCase *>(calloc(1, sizeof(SwitchCase)));
  if (!k)
    post_error(101);
  k->value = v;
  k->label = trn_new_label(prefix);
  k->next = sSwitchStack->cases;
  sSwitchStack->cases = k;
  return s_labelled(k->label, stmt, line, file);
}

SList trnDefaultStatement(SList stmt, long line, const char *file) {
  if (!sSwitchStack) {
    post_error(1159);
    return stmt;
  }
  if (sSwitchStack->default_label) {
    post_error(1115);
    return stmt;
  }
  sSwitchStack->default_label = trn_new_label("default");
  return s_labelled(sSwitchStack->default_label, stmt, line, file);
}

SList trnSwitchStatementEnd(pcodell_t *expr, SList body, long line, const char *file) {
  VELC_ASSERT(sSwitchStack != nullptr);
  SwitchRecord *rec = sSwitchStack;
  sSwitchStack = rec->enclosing;
  s_case_values.pop_back();
  trn_pop_break();
  pcodell_t *sw = trn_node(static_cast<PcodellOp>(I_SWITCH8 + trn_size_index(ll_sizeof_type(expr->type)) % 4),
                                 expr, nullptr, line, file);
  sw->switch_data = rec;
  sw->type = expr->type;
  sw->size = ll_sizeof_type(expr->type);
  SList out;
  slist_add(out, sw);
  slist_cat(out, body);
  slist_add(out, ll_label(rec->exit_label, line, file));
  return out;
}

// The label symbol of a definition in the function's label scope: a
// second definition is 1512; a label a goto is waiting for is resolved.
SymbolRecord *trn_define_label(const char *name) {
  SymbolRecord *label = sym_lookup_label(name);
  if (label) {
    auto it = s_forward_place.find(label);
    if (it == s_forward_place.end()) {
      post_error(1512, name);
    } else {
      sLabelForwardReferenceList[it->second] = nullptr;
      s_forward_place.erase(it);
    }
  } else {
    label = sym_create_label(name);
  }
  return label;
}

SList trnLabel(const char *name, SList stmt, long line, const char *file) {
  return s_labelled(trn_define_label(name), stmt, line, file);
}

SList trnJumpStatement(const char *name, long line, const char *file) {
  SymbolRecord *label = sym_lookup_label(name);
  if (!label) {
    label = sym_create_label(name);
    s_forward_place.emplace(label, sLabelForwardReferenceList.size());
    sLabelForwardReferenceList.push_back(label);
  }
  SList out;
  slist_add(out, ll_jump(label, line, file));
  return out;
}

// End of a function: every label still waiting for its definition is reported.
void trn_check_forward_labels(const char *function) {
  // Cleared first: the 25th error unwinds out of post_error.
  std::vector<SymbolRecord *> waiting;
  waiting.swap(sLabelForwardReferenceList);
  s_forward_place.clear();
  for (SymbolRecord *label : waiting)
    if (label)
      post_error(1111, label->name, function ? function : "");
}

bool trn_forward_labels_empty() { return s_forward_place.empty(); }

void trn_switch_reset() {
  sSwitchStack = nullptr;
  s_case_values.clear();
  sLabelForwardReferenceList.clear();
  s_forward_place.clear();
}

// Frees the switch records and their case lists (after code generation).
void trn_switch_free() {
  for (SwitchRecord *rec : s_all_switches) {
    while (rec->cases) {
      SwitchCase *next = rec->cases->next;
      free(rec->cases);
      rec->cases = next;
    }
    free(rec);
  }
  s_all_switches.clear();
}
