// The special symbols. In: the core register table and the list of
// run-time routines. Out: one external symbol per register (typed by its
// width, near RAM so that instructions on it use the access bank), the
// software stack, the result area and the math routines, each kept in a
// global of the code generator; and the register facts (address, width,
// group) that the canonical spelling of register references needs.
#include <cstdlib>
#include <cstring>

#include "device/instset.h"
#include "device/processors.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "gen/gen.h"
#include "gen/select_aggregate.h"
#include "trans/type.h"

#define CORE_REG(name, address, bytes, group) SymbolRecord *name##sym;
#include "device/core_registers.def"
#undef CORE_REG
SymbolRecord *_stacksym, *__RETVAL0sym;
#define MATH_SYM(name) SymbolRecord *name##sym;
#include "gen/math_symbols.def"
#undef MATH_SYM

namespace {

enum RegisterIndex : int {
#define CORE_REG(name, address, bytes, group) REG_##name,
#include "device/core_registers.def"
#undef CORE_REG
  REG_COUNT
};

struct RegisterRow {
  const char *name;
  long address;
  int bytes;
  int group;              // RegisterIndex of the group's lowest byte
  SymbolRecord **global;  // the code generator's global for the register
  SymbolRecord *made;     // the symbol made here (owned)
};

RegisterRow s_registers[] = {
#define CORE_REG(name, address, bytes, group) {#name, address, bytes, REG_##group, &name##sym, nullptr},
#include "device/core_registers.def"
#undef CORE_REG
};

struct MathRow {
  const char *name;
  SymbolRecord **global;
};

const MathRow s_math[] = {
#define MATH_SYM(name) {#name, &name##sym},
#include "gen/math_symbols.def"
#undef MATH_SYM
};

// The symbols made here besides the registers (owned).
SymbolRecord *s_stack_made, *s_retval_made;
SymbolRecord *s_math_made[sizeof s_math / sizeof s_math[0]];

}  // namespace

static char *s_copy(const char *text) {
  char *copy = strdup(text);
  if (!copy)
    fatal_out_of_memory();
  return copy;
}

static SymbolRecord *s_external(const char *name, TypeRecord *type) {
  auto *sym = static_cast<SymbolRecord *>(calloc(1, sizeof(SymbolRecord)));
  if (!sym)
    fatal_out_of_memory();
  sym->type = VARIABLE;
  sym->name = s_copy(name);
  sym->data.var.type = type;
  sym->data.var.sclass = EXTERN;
  sym->linkage = LINKAGE_EXTERNAL;
  sym_register_special(sym);
  return sym;
}

// char, int or short long by the register's width, unsigned, in near RAM.
static TypeRecord *s_register_type(int bytes) {
  TypeRecord *t = bytes == 1 ? type_basic(BT_CHAR, false, false, false) : type_basic(BT_INT, false, bytes == 3, bytes == 3);
  t->location = RAM_LOC;
  t->range = NEAR_RANGE;
  t->is_volatile = 1;
  return t;
}

static TypeRecord *s_data_type(long count) {
  TypeRecord *t = type_create(ARRAY_TYPE);
  t->location = RAM_LOC;
  t->range = FAR_RANGE;
  t->data.array.count = static_cast<uint32_t>(count);
  t->next = type_basic(BT_CHAR, false, false, false);
  t->next->location = RAM_LOC;
  t->next->range = FAR_RANGE;
  return t;
}

static TypeRecord *s_routine_type() {
  TypeRecord *t = type_create(FUNCTION_TYPE);
  t->location = ROM_LOC;
  t->range = FAR_RANGE;
  t->next = type_basic(BT_VOID, false, false, false);
  return t;
}

void genInitSymbols() {
  for (RegisterRow &row : s_registers) {
    *row.global = row.made = s_external(row.name, s_register_type(row.bytes));
    row.made->register_row = uint16_t(1 + (&row - s_registers));
  }
  _stacksym = s_stack_made = s_external("_stack", s_data_type(1));
  __RETVAL0sym = s_retval_made = s_external("__RETVAL0", s_data_type(4));
  for (size_t i = 0; i < sizeof s_math / sizeof s_math[0]; i++)
    *s_math[i].global = s_math_made[i] = s_external(s_math[i].name, s_routine_type());
}

void genInit() {
  VELC_ASSERT(getInstSet(processor) == INSTSET_HARROW);
  genInitSymbols();
  sel_aggregate_reset();
}

// A register the unit declares itself (an extern declaration of the same
// name at file level) is named by that declaration from here on.
void gen_adopt_declared_registers() {
  for (RegisterRow &row : s_registers) {
    SymbolRecord *own = sym_lookup_sym(row.name, 2);
    if (own && own->type == VARIABLE && own->data.var.sclass == EXTERN) {
      *row.global = own;
      own->register_row = uint16_t(1 + (&row - s_registers));
    }
  }
}

void gen_free_symbols() {
  for (RegisterRow &row : s_registers) {
    sym_free_symbol(row.made);
    row.made = *row.global = nullptr;
  }
  sym_free_symbol(s_stack_made);
  sym_free_symbol(s_retval_made);
  s_stack_made = s_retval_made = _stacksym = __RETVAL0sym = nullptr;
  for (size_t i = 0; i < sizeof s_math / sizeof s_math[0]; i++) {
    sym_free_symbol(s_math_made[i]);
    s_math_made[i] = *s_math[i].global = nullptr;
  }
  sym_clear_special();
}

bool gen_is_math_symbol(const SymbolRecord *sym) {
  if (!sym)
    return false;
  for (const MathRow &row : s_math)
    if (*row.global == sym)
      return true;
  return false;
}

bool gen_register_info(const SymbolRecord *sym, long *address, int *bytes, SymbolRecord **group) {
  // Every register symbol, made here or the unit's own extern declaration
  // of it, carries its row.
  if (!sym || !sym->register_row)
    return false;
  const RegisterRow &row = s_registers[sym->register_row - 1];
  *address = row.address;
  *bytes = row.bytes;
  *group = *s_registers[row.group].global;
  return true;
}

SymbolRecord *gen_register_symbol(const char *name) {
  for (const RegisterRow &row : s_registers)
    if (strcmp(row.name, name) == 0)
      return *row.global;
  return nullptr;
}

SymbolRecord *gen_register_at(long address) {
  for (const RegisterRow &row : s_registers)
    if (row.address == address && row.bytes == 1)
      return *row.global;
  return nullptr;
}
