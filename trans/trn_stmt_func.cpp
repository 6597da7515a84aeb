// Functions, frames, return and in-line assembly. In: the function's
// symbol, its parameters waiting for offsets, the translated body. Out:
// I_BFUNCT ... I_EFUNCT around the body with the return label, frame
// offsets on parameters (last parameter at 0) and automatic locals (after
// the frame-pointer byte), I_RET statements and I_ASM blocks.
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

void trn_check_forward_labels(const char *function);
SymbolRecord *trn_define_label(const char *name);
static void s_check_asm_names();
bool trn_forward_labels_empty();

static SymbolRecord *s_current_function, *sReturnLabel;
static TypeRecord *sReturnType;
static bool sInFunctionFlag, sInFunctionBodyFlag, s_frame_reported;
static long s_param_frame_size, s_stack_frame_size;
static std::vector<asm_entry *> s_asm_blocks;  // taken from the syntax tree, freed by trnTerminate

static long ll_get_frame_pointer_size() { return stack_multi_bank_flag ? 2 : 1; }

bool trnInFunction() { return sInFunctionFlag; }
bool trnInFunctionBody() { return sInFunctionBodyFlag; }
SymbolRecord *trn_current_function() { return s_current_function; }

void trn_begin_function(const char *name, long, const char *) {
  VELC_ASSERT(!sInFunctionFlag);
  VELC_ASSERT(trn_forward_labels_empty());
  s_param_frame_size = 0;
  s_stack_frame_size = 0;
  s_frame_reported = false;
  sInFunctionFlag = true;
  sReturnLabel = trn_new_label("return");
  s_current_function = sym_lookup_sym(name, 0);
  VELC_ASSERT(s_current_function != nullptr);
  if (s_current_function->decl_flags & DECL_DEFINED)
    post_error(1504, name);
  s_current_function->decl_flags |= DECL_DEFINED;
  type_free(sReturnType);
  const TypeRecord *f = s_current_function->data.var.type;
  sReturnType = f->type == FUNCTION_TYPE ? type_function_return_type(f) : type_copy(int_type);
}

void trn_begin_function_body() {
  sInFunctionBodyFlag = true;
  long sum = 0;
  for (SymbolRecord *p : trn_parameter_list()) {
    p->data.var.offset = sum;
    sum += ll_sizeof_type(p->data.var.type);
  }
  s_param_frame_size = sum;
  if (sum > FRAME_LIMIT) {
    post_error(1300);
    s_frame_reported = true;
  }
  trn_clear_parameter_list();
  s_stack_frame_size = 0;
}

long trn_allocate_local(long size) {
  long offset = s_param_frame_size + s_stack_frame_size + ll_get_frame_pointer_size();
  s_stack_frame_size += size;
  if (!s_frame_reported && s_param_frame_size + s_stack_frame_size + ll_get_frame_pointer_size() > FRAME_LIMIT) {
    post_error(1300);
    s_frame_reported = true;
  }
  return offset;
}

static pcodell_t *s_function_marker(PcodellOp op, SymbolRecord *fsym, long line, const char *file) {
  pcodell_t *p = trn_node(op, nullptr, nullptr, line, file);
  p->function.sym = fsym;
  p->function.param_size = s_param_frame_size;
  p->function.local_size = s_stack_frame_size;
  p->function.return_size = is_type_void(sReturnType) ? 0 : ll_sizeof_type(sReturnType);
  return p;
}

SList trnFunction(SymbolRecord *fsym, SList decls, SList body, long line, const char *file, long end_line,
                  const char *end_file) {
  SList out;
  slist_add(out, s_function_marker(I_BFUNCT, fsym, line, file));
  slist_cat(out, decls);
  slist_cat(out, body);
  slist_add(out, ll_label(sReturnLabel, end_line, end_file));
  slist_add(out, s_function_marker(I_EFUNCT, fsym, end_line, end_file));
  sInFunctionFlag = sInFunctionBodyFlag = false;
  yylineno = end_line;
  snprintf(yyfilename, sizeof yyfilename, "%s", end_file ? end_file : "");
  trn_check_forward_labels(fsym ? fsym->name : "");
  s_check_asm_names();
  s_current_function = nullptr;
  return out;
}

// The kinds of value a return may carry into the function's return type.
static bool s_return_fits(const TypeRecord *to, pcodell_t **value) {
  const TypeRecord *from = (*value)->type;
  bool to_ptr = to->type == POINTER_TYPE, from_ptr = from->type == POINTER_TYPE;
  if ((is_type_integer(to) || is_type_float(to)) && (is_type_integer(from) || is_type_float(from)))
    return true;
  if (to->type == SUE_TYPE && from->type == SUE_TYPE)
    return are_types_compatible(to, from, false);
  if (to_ptr && from_ptr && (is_type_void(to->next) || is_type_void(from->next) ||
                             are_types_compatible(to->next, from->next, false)))
    return true;
  if (to_ptr && is_type_integer(from) && isPcodellZero(*value))
    return true;
  if ((to_ptr && (is_type_integer(from) || from_ptr)) || (is_type_integer(to) && from_ptr)) {
    post_error(2054);
    return true;
  }
  return false;
}

SList trnReturnStatement(pcodell_t *expr, long line, const char *file) {
  SList out;
  bool returns_void = !sReturnType || is_type_void(sReturnType);
  if (expr && returns_void) {
    // The value is not returned, but it is still evaluated for its effects.
    post_error(2052);
    if (is_pcodell_constant(expr))
      trn_free(expr);
    else
      slist_add(out, expr);
    expr = nullptr;
  } else if (!expr && !returns_void) {
    post_error(2053);
  }
  if (expr && !s_return_fits(sReturnType, &expr)) {
    post_error(1116);
    trn_free(expr);
    slist_add(out, ll_jump(sReturnLabel, line, file));
    return out;
  }
  pcodell_t *ret;
  if (expr) {
    if (is_type_scalar(sReturnType))
      expr = trnCast(expr, trn_keep(type_copy(sReturnType)), line, file);
    long size = ll_sizeof_type(expr->type);
    ret = trn_node(static_cast<PcodellOp>(I_RET8 + trn_size_index(size)), expr, nullptr, line, file);
    ret->size = size;
    ret->type = expr->type;
  } else {
    ret = trn_node(I_RET, trn_node(I_NOP, nullptr, nullptr, line, file), nullptr, line, file);
  }
  ret->label = sReturnLabel;
  ret->function.param_size = s_param_frame_size;
  slist_add(out, ret);
  return out;
}

static const char *const s_core_registers[] = {
#define CORE_REG(name, address, bytes, group) #name,
#include "device/core_registers.def"
#undef CORE_REG
};
static_assert(sizeof s_core_registers / sizeof s_core_registers[0] == 43, "43 core register names");

static bool s_is_core_register(const char *name) {
  for (const char *r : s_core_registers)
    if (strcmp(r, name) == 0)
      return true;
  return false;
}

// Operands naming no C symbol and no special symbol wait for the end of
// the function: they may be labels defined later in the function.
struct PendingAsmName {
  asm_operand *operand;
  long line;
  std::string file;
};
static std::vector<PendingAsmName> s_pending_asm_names;

static void s_check_asm_names() {
  for (const PendingAsmName &p : s_pending_asm_names) {
    if (SymbolRecord *label = sym_lookup_label(p.operand->symbol)) {
      p.operand->sym = label;
      continue;
    }
    yylineno = p.line;
    snprintf(yyfilename, sizeof yyfilename, "%s", p.file.c_str());
    post_error(1105, p.operand->symbol);
  }
  s_pending_asm_names.clear();
}

// A symbol operand names a declared symbol, a special symbol of the code
// generator (a core register, the stack, a run-time routine) or a label
// of the function. Without the code generator's symbols (translation
// alone) a core register name is accepted unresolved.
static void s_resolve_asm_operand(asm_operand *o, const asm_entry *e, const char *file) {
  if (SymbolRecord *sym = sym_lookup_sym(o->symbol, 0)) {
    sym->refcount++;
    o->sym = sym;
  } else if (SymbolRecord *special = sym_lookup_special(o->symbol)) {
    o->sym = special;
  } else if (!s_is_core_register(o->symbol)) {
    s_pending_asm_names.push_back({o, e->line, e->file ? e->file : file});
  }
}

// Labels of the block become label symbols of the function; symbol
// operands are resolved while the scopes are open; the function is marked
// as holding assembly.
SList trnAssembly(asm_entry *entries, long line, const char *file) {
  if (s_current_function)
    s_current_function->has_inline_asm = 1;
  for (asm_entry *e = entries; e; e = e->next) {
    VELC_ASSERT(e->type == LABEL_HINST || e->type == INST_HINST);
    if (e->type == LABEL_HINST) {
      if (e->line > 0)
        yylineno = e->line;
      e->label = trn_define_label(e->text);
      continue;
    }
    for (asm_operand *o = e->operands; o; o = o->next)
      if (o->symbol)
        s_resolve_asm_operand(o, e, file);
  }
  pcodell_t *p = trn_node(I_ASM, nullptr, nullptr, line, file);
  p->asm_block = entries;
  s_asm_blocks.push_back(entries);
  SList out;
  slist_add(out, p);
  return out;
}

void trn_function_reset() {
  s_pending_asm_names.clear();
  s_current_function = sReturnLabel = nullptr;
  type_free(sReturnType);
  sReturnType = nullptr;
  sInFunctionFlag = sInFunctionBodyFlag = false;
  s_param_frame_size = s_stack_frame_size = 0;
}

void trn_free_asm_blocks() {
  for (asm_entry *e : s_asm_blocks) {
    while (e) {
      asm_entry *next = e->next;
      for (asm_operand *o = e->operands; o;) {
        asm_operand *n = o->next;
        free(o->symbol);
        free(o);
        o = n;
      }
      free(e->text);
      free(e->file);
      free(e);
      e = next;
    }
  }
  s_asm_blocks.clear();
}
