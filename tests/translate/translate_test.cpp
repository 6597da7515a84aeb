// Unit tests of the translation: programs are parsed from text, translated,
// and the statement trees, symbols and records that the dump does not show
// are checked (frame offsets, steps, member offsets, argument bytes, switch
// records, initial data, interrupt records, label numbering, folding).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "driver/compile.h"
#include "driver/diag.h"
#include "device/processors.h"
#include "driver/settings.h"
#include "front/front.h"
#include "front/pragma_config.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"
#include "tests/support/quiet_diagnostics.h"
#include "tests/support/translation_cleanup.h"

namespace {

// One translated unit; everything is freed when it goes out of scope.
struct Unit {
  StatementRecord *list = nullptr;
  pcodehl *root = nullptr;
  uint32_t errors = 0;
  uint32_t warnings = 0;

  explicit Unit(const std::string &source) {
    snprintf(yyfilename, sizeof yyfilename, "%s", "unit.c");
    snprintf(ofile, sizeof ofile, "%s", "unit.o");
    yylineno = 1;
    uint32_t e0 = get_error_count(), w0 = get_warning_count();
    front_parse_text(source.c_str());
    root = hl_get_ast();
    if (get_error_count() == e0)
      list = trnTranslateAST(root);
    errors = get_error_count() - e0;
    warnings = get_warning_count() - w0;
  }
  ~Unit() {
    free_translation(list, root);
  }

  // Every node of every statement tree, depth first.
  void each(const std::function<void(const pcodell_t *)> &fn) const {
    std::function<void(const pcodell_t *)> walk = [&](const pcodell_t *p) {
      for (; p; p = p->right) {
        fn(p);
        walk(p->left);
      }
    };
    for (const StatementRecord *s = list; s; s = s->next)
      walk(s->tree);
  }
  std::vector<const pcodell_t *> all(PcodellOp op) const {
    std::vector<const pcodell_t *> found;
    each([&](const pcodell_t *p) {
      if (p->opcode == op)
        found.push_back(p);
    });
    return found;
  }
  const pcodell_t *first(PcodellOp op) const {
    auto found = all(op);
    return found.empty() ? nullptr : found.front();
  }
  // The last master-list variable of that name.
  SymbolRecord *sym(const char *name) const {
    SymbolRecord *found = nullptr;
    for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec)) {
      SymbolRecord *s = *static_cast<SymbolRecord **>(rec);
      if (s->type == VARIABLE && s->name && strcmp(s->name, name) == 0)
        found = s;
    }
    return found;
  }
  std::vector<std::string> labels() const {
    std::vector<std::string> names;
    each([&](const pcodell_t *p) {
      if (p->opcode == I_LABEL)
        names.push_back(p->label->name);
    });
    return names;
  }
  std::vector<int> bytes(const char *name) const {
    std::vector<int> out;
    for (const InitRecord *r = trn_initial_data(sym(name)); r; r = r->next)
      if (r->kind == INIT_VALUE)
        out.insert(out.end(), r->bytes, r->bytes + r->count);
      else
        out.push_back(-1);
    return out;
  }
};

class Translate : public QuietDiagnostics {
protected:
  void TearDown() override {
    QuietDiagnostics::TearDown();
    suppress_integer_promotion_flag = 1;
    merge_duplicate_strings_flag = 1;
    stack_multi_bank_flag = 0;
  }
};

}  // namespace

TEST_F(Translate, ParameterAndLocalFrameOffsets) {
  Unit u("void f(char a, int b, long c) { char x; int y; x = a; y = b; }");
  ASSERT_EQ(u.errors, 0u);
  EXPECT_EQ(u.sym("c")->data.var.offset, 0);  // the last parameter is nearest
  EXPECT_EQ(u.sym("b")->data.var.offset, 4);
  EXPECT_EQ(u.sym("a")->data.var.offset, 6);
  EXPECT_EQ(u.sym("x")->data.var.offset, 8);  // 7 bytes of parameters, then the frame pointer
  EXPECT_EQ(u.sym("y")->data.var.offset, 9);
  const pcodell_t *begin = u.first(I_BFUNCT);
  ASSERT_NE(begin, nullptr);
  EXPECT_EQ(begin->function.param_size, 7);
  EXPECT_EQ(begin->function.local_size, 3);
  EXPECT_EQ(begin->function.return_size, 0);
  EXPECT_EQ(u.first(I_EFUNCT)->function.local_size, 3);
}

TEST_F(Translate, TwoByteFramePointerWhenTheStackSpansBanks) {
  stack_multi_bank_flag = 1;
  Unit u("void f(int a) { char x; x = 1; }");
  EXPECT_EQ(u.sym("x")->data.var.offset, 4);
}

// Error counts: the frame limit of 96 bytes (parameters, frame pointer and
// locals), a member of a returned structure is no lvalue (1101), case values
// follow the switch's type (a char switch is an int one when promoting).
TEST_F(Translate, ErrorCounts) {
  const struct {
    const char *source;
    int promote;
    uint32_t errors;
  } rows[] = {
      {"void f(void) { char a[95]; a[0] = 0; }", 0, 0},  // 95 + 1
      {"void f(void) { char a[96]; a[0] = 0; }", 0, 1},  // 97
      {"void f(long a, long b) { char c[87]; c[0] = 0; }", 0, 0},
      {"struct s { char b[60]; }; void f(struct s a) { char c[40]; c[0] = 0; }", 0, 1},
      {"struct s { int a; } g(void); struct s *p;\nvoid f(void) { g().a = 1; p->a = 2; }", 0, 1},
      {"char c; void f(void) { switch (c) { case 0: case 256: break; } }", 0, 1},
      {"int i; void f(void) { switch (i) { case 0: case 256: break; } }", 0, 0},
      {"char c; void f(void) { switch (c) { case 0: case 256: break; } }", 1, 0},
  };
  for (const auto &row : rows) {
    suppress_integer_promotion_flag = !row.promote;
    EXPECT_EQ(Unit(row.source).errors, row.errors) << row.source;
  }
}

TEST_F(Translate, IncrementStepIsThePointeeSize) {
  Unit u("int *ip; long *lp; char c; struct s { char b[7]; } *sp;\n"
         "void f(void) { ip++; --lp; c++; sp--; }");
  ASSERT_EQ(u.errors, 0u);
  ASSERT_NE(u.first(I_PSTINC16RAM), nullptr);
  EXPECT_EQ(u.first(I_PSTINC16RAM)->step, 2);
  EXPECT_EQ(u.first(I_PREDEC16RAM)->step, 4);
  EXPECT_EQ(u.first(I_PSTINC8RAM)->step, 1);
  EXPECT_EQ(u.first(I_PSTDEC16RAM)->step, 7);
}

TEST_F(Translate, MemberAndBitfieldOffsets) {
  Unit u("struct s { char a; int b; unsigned x : 3; unsigned y : 5; } v;\n"
         "int r;\nvoid f(void) { r = v.b; v.y = 3; }");
  ASSERT_EQ(u.errors, 0u);
  const pcodell_t *m = u.first(I_MEMBERRAM16);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->data.expr.member.offset, 1);
  const pcodell_t *b = u.first(I_BITFRAM16);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->data.expr.member.offset, 3);
  EXPECT_EQ(b->data.expr.member.bit_offset, 3);
  EXPECT_EQ(b->data.expr.member.bit_size, 5);
  EXPECT_FALSE(b->data.expr.member.is_signed);
}

TEST_F(Translate, CallCarriesArgumentBytesAndReturnSize) {
  Unit u("long g(char a, long b, int c); long r; char x;\nvoid f(void) { r = g(x, 1, 2); }");
  ASSERT_EQ(u.errors, 0u);
  const pcodell_t *call = u.first(I_CALL32);
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->arg_bytes, 7);
  EXPECT_EQ(call->return_size, 4);
  // Arguments in source order along the left links, ended by I_NOP.
  const pcodell_t *a = call->right;
  std::vector<int> ops;
  for (; a && a->opcode != I_NOP; a = a->left)
    ops.push_back(a->opcode);
  EXPECT_EQ(ops, (std::vector<int>{I_ARG8, I_ARG32, I_ARG16}));
}

TEST_F(Translate, SizeofUsesTheTypeBeforeConversion) {
  Unit u("int arr[4]; int r;\nvoid f(void) { r = sizeof arr; r = sizeof (arr + 0); r = sizeof (r, arr);"
         " r = sizeof \"abc\"; r = sizeof (struct t { char c[5]; }); }");
  ASSERT_EQ(u.errors, 0u);
  std::vector<long> sizes;
  for (const pcodell_t *mov : u.all(I_MOV16))
    if (is_pcodell_constant(mov->right))
      sizes.push_back(get_signed_constant_value(mov->right->data.expr.cnst.value.code,
                                                mov->right->data.expr.cnst.value));
  EXPECT_EQ(sizes, (std::vector<long>{8, 2, 2, 4, 5}));
}

TEST_F(Translate, LabelNumbersRiseAcrossFunctions) {
  Unit u("int x; void f(void) { if (x) x = 0; } void g(void) { while (x) x--; }");
  ASSERT_EQ(u.errors, 0u);
  EXPECT_EQ(u.labels(), (std::vector<std::string>{"___if_lbl00001", "___return_lbl00000",
                                                   "___while_lbl00003", "___while_lbl00004",
                                                   "___return_lbl00002"}));
}

TEST_F(Translate, SwitchRecordHoldsCasesNewestFirst) {
  Unit u("char c; int r;\nvoid f(void) { switch (c) { case 1: r = 1; case 'b': r = 2; default: r = 0; } }");
  ASSERT_EQ(u.errors, 0u);
  const pcodell_t *sw = u.first(I_SWITCH8);
  ASSERT_NE(sw, nullptr);
  const SwitchRecord *rec = sw->switch_data;
  ASSERT_NE(rec, nullptr);
  ASSERT_NE(rec->cases, nullptr);
  EXPECT_EQ(rec->cases->value, 'b');
  ASSERT_NE(rec->cases->next, nullptr);
  EXPECT_EQ(rec->cases->next->value, 1);
  EXPECT_EQ(rec->cases->next->next, nullptr);
  ASSERT_NE(rec->default_label, nullptr);
  EXPECT_STREQ(rec->default_label->name, "___default_lbl00004");
  EXPECT_STREQ(rec->exit_label->name, "___switchexit_lbl00001");
}

// The value of the constant assigned by the n-th assignment of the unit.
static long s_assigned(const Unit &u, PcodellOp mov, size_t n) {
  auto movs = u.all(mov);
  if (n >= movs.size() || !is_pcodell_constant(movs[n]->right))
    return -999999;
  const ConstValue &v = movs[n]->right->data.expr.cnst.value;
  return v.code % 2 ? static_cast<long>(get_unsigned_constant_value(v.code, v)) : get_signed_constant_value(v.code, v);
}

TEST_F(Translate, ConstantsFoldInTheOperandWidth) {
  Unit u("int i; unsigned u; char c; short long s; long l;\nvoid f(void) {"
         " i = 0x7fff + 1; u = 65535u / 2; c = (char)100 + (char)100; s = 0x7fffff + (short long)1;"
         " l = 1L << 31; i = -8 >> 1; u = 10 % 4; i = 3 - 5; }");
  ASSERT_EQ(u.errors, 0u);
  EXPECT_EQ(s_assigned(u, I_MOV16, 0), -32768);
  EXPECT_EQ(s_assigned(u, I_MOV16, 1), 32767);
  EXPECT_EQ(s_assigned(u, I_MOV8, 0), -56);  // 200 in 8 signed bits
  EXPECT_EQ(s_assigned(u, I_MOV24, 0), -8388608);
  EXPECT_EQ(s_assigned(u, I_MOV32, 0), -2147483647L - 1);
  EXPECT_EQ(s_assigned(u, I_MOV16, 2), -4);
  EXPECT_EQ(s_assigned(u, I_MOV16, 3), 2);
  EXPECT_EQ(s_assigned(u, I_MOV16, 4), -2);
}

TEST_F(Translate, DivisionByZeroIsNotFolded) {
  // Small constants are char constants: the operation stays 8 bits wide.
  Unit u("int i; void f(void) { i = 10 / 0; i = 10 % 0; i = 1000 / 0; }");
  EXPECT_NE(u.first(I_DIV8S), nullptr);
  EXPECT_NE(u.first(I_MOD8S), nullptr);
  EXPECT_NE(u.first(I_DIV16S), nullptr);
}

TEST_F(Translate, TruthValuesAreCharUnlessPromoting) {
  {
    Unit u("int a, b; char r; void f(void) { r = a < b; }");
    const pcodell_t *lt = u.first(I_LT16S);
    ASSERT_NE(lt, nullptr);
    EXPECT_EQ(ll_sizeof_type(lt->type), 1);
  }
  suppress_integer_promotion_flag = 0;
  Unit u("int a, b; int r; void f(void) { r = a < b; }");
  const pcodell_t *lt = u.first(I_LT16S);
  ASSERT_NE(lt, nullptr);
  EXPECT_EQ(ll_sizeof_type(lt->type), 2);
}

TEST_F(Translate, MixedSignComparisonsCompareUnsigned) {
  Unit u("unsigned u; int i; char r; void f(void) { r = u < i; r = i > 3; }");
  EXPECT_NE(u.first(I_LT16U), nullptr);
  EXPECT_NE(u.first(I_GT16S), nullptr);
  EXPECT_EQ(u.first(I_GT16U), nullptr);
}

TEST_F(Translate, StaticDefinitionsAndSections) {
  Unit u("static int t; static int t = 3; int plain; int init = 1; extern int ext; rom char rc = 1;");
  ASSERT_EQ(u.errors, 0u);
  SymbolRecord *t = u.sym("t");
  ASSERT_NE(t, nullptr);
  EXPECT_TRUE(t->decl_flags & DECL_INITIALISED);
  EXPECT_STREQ(t->section_name, ".idata_unit.o");
  EXPECT_EQ(u.bytes("t"), (std::vector<int>{3, 0}));
  EXPECT_STREQ(u.sym("plain")->section_name, ".udata_unit.o");
  EXPECT_TRUE(u.sym("plain")->decl_flags & DECL_TENTATIVE);
  EXPECT_STREQ(u.sym("init")->section_name, ".idata_unit.o");
  EXPECT_EQ(u.sym("ext"), nullptr);  // extern objects are not in the master list
  EXPECT_EQ(u.sym("rc")->section_name, nullptr);  // program memory: the romdata section
  EXPECT_EQ(u.bytes("rc"), (std::vector<int>{1}));
}

TEST_F(Translate, AddressInitialisersKeepSymbolAndOffset) {
  Unit u("int arr[4]; int *p = &arr[2]; long l = (long)&arr[1]; rom char *far fp;\n"
         "far rom char table[3] = {1, 2, 3}; far rom char *q = table + 1;\n"
         "rom char nt[2]; far rom char *nq = nt; int f(void); far int (*ff)(void) = f; int (*nf)(void) = f;\n"
         "struct m { char c; int *p; char d[2]; } ms[2] = {{1, &arr[0], {2, 3}}, {4, &arr[3], {5}}};");
  ASSERT_EQ(u.errors, 0u);
  const InitRecord *r = trn_initial_data(u.sym("p"));
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->kind, INIT_ADDRESS);
  EXPECT_STREQ(r->sym->name, "arr");
  EXPECT_EQ(r->offset, 4);
  EXPECT_EQ(r->byte, 0);
  ASSERT_NE(r->next, nullptr);
  EXPECT_EQ(r->next->byte, 1);
  EXPECT_EQ(r->next->next, nullptr);
  // A 2-byte address in a 4-byte object: two address bytes, two zero bytes.
  std::vector<int> l = u.bytes("l");
  EXPECT_EQ(l, (std::vector<int>{-1, -1, 0, 0}));
  // A far program-memory address has three bytes.
  std::vector<int> q = u.bytes("q");
  EXPECT_EQ(q, (std::vector<int>{-1, -1, -1}));
  EXPECT_EQ(trn_initial_data(u.sym("q"))->offset, 1);
  // So has a far pointer to near rom data or to a function; a near one two.
  EXPECT_EQ(u.bytes("nq"), (std::vector<int>{-1, -1, -1}));
  EXPECT_EQ(u.bytes("ff"), (std::vector<int>{-1, -1, -1}));
  EXPECT_EQ(u.bytes("nf"), (std::vector<int>{-1, -1}));
  // Address bytes between runs of value bytes: a record each, a run between.
  EXPECT_EQ(u.bytes("ms"), (std::vector<int>{1, -1, -1, 2, 3, 4, -1, -1, 5, 0}));
  std::vector<long> offsets;
  for (r = trn_initial_data(u.sym("ms")); r; r = r->next)
    offsets.push_back(r->kind == INIT_ADDRESS ? r->offset : -r->count);
  EXPECT_EQ(offsets, (std::vector<long>{-1, 0, 0, -3, 6, 6, -2}));
}

TEST_F(Translate, StringLiteralsMergeUnlessAskedNot) {
  const char *src = "char *a = \"x\"; char *b = \"x\"; char c[] = \"y\";";
  {
    Unit u(src);
    const InitRecord *a = trn_initial_data(u.sym("a")), *b = trn_initial_data(u.sym("b"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->sym, b->sym);
    EXPECT_EQ(a->sym->refcount, 2);
    EXPECT_EQ(u.sym("__string_1"), nullptr);  // "y" only initialises an array: not emitted
  }
  merge_duplicate_strings_flag = 0;
  Unit u(src);
  const InitRecord *a = trn_initial_data(u.sym("a")), *b = trn_initial_data(u.sym("b"));
  ASSERT_TRUE(a && b);
  EXPECT_NE(a->sym, b->sym);
  EXPECT_STREQ(b->sym->name, "__string_1");
}

TEST_F(Translate, InterruptRecords) {
  Unit u("int saved; long more;\n#pragma interrupt isr save=saved, more, section(\"buf\")\n"
         "void isr(void) { }\n#pragma interruptlow low low_tmp\nvoid low(void) { }\n");
  ASSERT_EQ(u.errors, 0u);
  const InterruptRecord *low = trn_interrupt_list();
  ASSERT_NE(low, nullptr);
  EXPECT_STREQ(low->function->name, "low");
  EXPECT_STREQ(low->tmp_section, "low_tmp");
  EXPECT_EQ(low->high_priority, 0);
  const InterruptRecord *isr = low->next;
  ASSERT_NE(isr, nullptr);
  EXPECT_STREQ(isr->tmp_section, "isr_tmp");
  EXPECT_EQ(isr->high_priority, 1);
  std::vector<std::string> names;
  std::vector<long> sizes;
  for (const auto *s = isr->saves; s; s = s->next) {
    names.push_back(s->sym->name);
    sizes.push_back(s->size);
  }
  // The pragma keeps the clause's names newest first.
  EXPECT_EQ(names, (std::vector<std::string>{".buf", "more", "saved"}));
  EXPECT_EQ(sizes, (std::vector<long>{0, 4, 2}));
}

TEST_F(Translate, ImplicitCalleeIsDeclaredAtFileScope) {
  Unit u("void f(void) { int x; x = later(1); }\nint later(int v) { return v; }");
  EXPECT_EQ(u.errors, 0u);
  EXPECT_GE(u.warnings, 1u);  // 2058
  EXPECT_NE(u.first(I_CALL16), nullptr);
}

TEST_F(Translate, ReturnCarriesLabelAndConvertsTheValue) {
  Unit u("long f(char c) { return c; }");
  ASSERT_EQ(u.errors, 0u);
  const pcodell_t *ret = u.first(I_RET32);
  ASSERT_NE(ret, nullptr);
  EXPECT_STREQ(ret->label->name, "___return_lbl00000");
  EXPECT_EQ(ret->function.param_size, 1);
  EXPECT_EQ(ret->left->opcode, I_C8TO32S);
}

TEST_F(Translate, ErrorLimitUnwindsAndFreesTheTranslation) {
  std::string src = "void f(void) {";
  for (int i = 0; i < 40; i++)
    src += " u" + std::to_string(i) + " = 1;";
  src += " }";
  uint32_t before = get_error_count();
  front_parse_text(src.c_str());
  pcodehl *root = hl_get_ast();
  ASSERT_EQ(get_error_count(), before);
  maxerror = static_cast<int>(before) + 25;
  bool unwound = false;
  StatementRecord *list = nullptr;
  try {
    list = trnTranslateAST(root);
  } catch (const FatalUnwind &) {
    unwound = true;
  }
  EXPECT_TRUE(unwound);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(get_error_count() - before, 25u);
  free_translation(nullptr, root);
}

namespace {
const config_value s_osc_values[] = {{"HS", "high speed", 2}, {"RC", "resistor", 7}, {nullptr, nullptr, 0}};
const config_value s_sw_values[] = {{"ON", "on", 0x00}, {"OFF", "off", 0x20}, {nullptr, nullptr, 0}};
const config_setting s_settings[] = {{"OSC", "oscillator", 0x07, s_osc_values},
                                     {"OSCS", "switch", 0x20, s_sw_values},
                                     {nullptr, nullptr, 0, nullptr}};
}  // namespace

TEST_F(Translate, ConfigSettingsMergeOnceAndOnlyOutsideFunctions) {
  config_byte bytes[1] = {{0x300001, 0, 0xFF, s_settings}};
  int saved_generic = generic_processor_flag;
  generic_processor_flag = 0;
  config_bytes = bytes;
  number_of_config_bytes = 1;
  {
    Unit u("#pragma config OSC=HS\n#pragma config OSCS=OFF\n#pragma config OSC=RC\nint x;\n");
    EXPECT_EQ(u.errors, 1u);  // 1223 for the second OSC
    EXPECT_EQ(bytes[0].specified, 0x27);
    EXPECT_EQ(bytes[0].value, 0xFA);  // 0xFF with OSC = 2 and OSCS = 1
  }
  {
    Unit u("void f(void)\n{\n#pragma config OSCS=ON\n}\n");
    EXPECT_EQ(u.errors, 1u);  // 1222
  }
  config_bytes = nullptr;
  number_of_config_bytes = 0;
  generic_processor_flag = saved_generic;
}

// The master-list entries that pragma_config_generate_info adds after a
// unit was translated with the tables of HR4010 (STANDARD layout), one line
// each: sections with their address, configuration objects with their byte.
static std::string s_config_objects(uint32_t *errors) {
  std::vector<void *> before;
  for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec))
    before.push_back(rec);
  uint32_t e0 = get_error_count();
  pragma_config_generate_info();
  *errors = get_error_count() - e0;
  std::string out;
  for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec)) {
    if (std::find(before.begin(), before.end(), rec) != before.end())
      continue;
    const SymbolRecord *e = *static_cast<SymbolRecord **>(rec);
    char line[400];
    const SectionRecord *scn = e->type == SYM_SECTION ? e->data.section : nullptr;
    if (scn && (scn->attributes & SCN_ABSOLUTE)) {
      snprintf(line, sizeof line, "[%s at 0x%lx]\n", scn->name, scn->address);
    } else if (scn) {
      snprintf(line, sizeof line, "[%s]\n", scn->name);
    } else if (e->type == SYM_FILE) {
      continue;  // the master list's record of the current file
    } else if (e->type != VARIABLE) {
      snprintf(line, sizeof line, "kind %d %s\n", e->type, e->name ? e->name : "");
    } else {
      const InitRecord *r = trn_initial_data(e);
      snprintf(line, sizeof line, "%s %s%s %02x line %ld\n", e->name,
               e->data.var.type->location == ROM_LOC ? "rom" : "ram", e->linkage == LINKAGE_INTERNAL ? " static" : "",
               r ? r->value : 0xFFF, e->line);
    }
    out += line;
  }
  return out;
}

TEST_F(Translate, ConfigurationBytesBecomeObjectsInAbsoluteSections) {
  struct Row {
    const char *source;
    uint32_t translate_errors;  // 1223, 1224
    uint32_t errors;            // 1226
    const char *added;
  } rows[] = {
      {"#pragma config OSC=HS, OSCS=OFF\nint x;\n", 0, 0,
       "[.config_300001_prog.o at 0x300001]\n__config_0 rom static 22 line 0\n[.romdata_unit.o]\n"},
      {"#pragma config OSCS=OFF\nint x;\n#pragma config OSC=HS\n", 0, 0,
       "[.config_300001_prog.o at 0x300001]\n__config_0 rom static 22 line 0\n[.romdata_unit.o]\n"},
      {"#pragma config OSC=HS\n#pragma config OSC=RC, OSCS=ON\n", 1, 0,  // 1223: OSC keeps HS
       "[.config_300001_prog.o at 0x300001]\n__config_0 rom static 02 line 0\n[.romdata_unit.o]\n"},
      {"#pragma config OSC=HS, FOO=1\n", 1, 0, ""},   // 1224: the whole line is dropped
      {"#pragma config osc=HS\n", 1, 0, ""},          // names are case-sensitive
      {"int x;\n", 0, 0, ""},
      {"#pragma romdata tables\n#pragma config CP0=ON\n#pragma config XINST=ON, WDT=OFF\nrom char t;\n", 0, 0,
       "[.config_300003_prog.o at 0x300003]\n__config_0 rom static 0e line 0\n"
       "[.config_300006_prog.o at 0x300006]\n__config_1 rom static c5 line 0\n"
       "[.config_300008_prog.o at 0x300008]\n__config_2 rom static 0e line 0\n[tables]\n"},
      {"#pragma config OSC=HS\nrom const char _configuration = 0;\n", 0, 1, ""},  // 1226
  };
  int saved_processor = processor, saved_generic = generic_processor_flag;
  ASSERT_TRUE(convertDvsProcName("HR4010", &processor));
  generic_processor_flag = 0;
  for (const Row &row : rows) {
    SCOPED_TRACE(row.source);
    pragma_config_initialize();
    Unit u(row.source);
    EXPECT_EQ(u.errors, row.translate_errors);
    if (!master_symbol_list) {  // a parse error: the compiler stops before this point
      for (int i = 0; i < number_of_config_bytes; i++)
        EXPECT_EQ(config_bytes[i].specified, 0);
      EXPECT_STREQ(row.added, "");
      continue;
    }
    snprintf(ofile, sizeof ofile, "%s", "build/prog.o");
    uint32_t errors = 0;
    EXPECT_EQ(s_config_objects(&errors), row.added);
    EXPECT_EQ(errors, row.errors);
  }
  processor = saved_processor;
  generic_processor_flag = saved_generic;
  pragma_config_initialize();
}

TEST_F(Translate, ConstantAutomaticAggregatesCopyAnImage) {
  Unit u("struct pt { char x; int y; };\nvoid f(int n) { int v[3] = {1, 2}; char s[] = \"ab\";"
         " struct pt p = {7, -2}; int w[2] = {n, 1}; v[0] = s[0] + p.x + w[0]; }");
  ASSERT_EQ(u.errors, 0u);
  auto copies = u.all(I_INITX);
  ASSERT_EQ(copies.size(), 3u);  // w is computed at run time: assignments
  auto image = [](const pcodell_t *p) {
    const auto *b = static_cast<const unsigned char *>(p->owned);
    return std::vector<int>(b, b + p->owned_size);
  };
  EXPECT_EQ(image(copies[0]), (std::vector<int>{1, 0, 2, 0, 0, 0}));
  EXPECT_EQ(image(copies[1]), (std::vector<int>{'a', 'b', 0}));
  EXPECT_EQ(image(copies[2]), (std::vector<int>{7, 0xfe, 0xff}));
  EXPECT_EQ(copies[0]->left->opcode, I_IDSTK);
  EXPECT_EQ(copies[0]->size, 6);
  EXPECT_EQ(u.sym("s")->data.var.type->data.array.count, 3u);
  EXPECT_EQ(u.all(I_MOV16).size(), 3u);  // w[0], w[1] and the final assignment
}

TEST_F(Translate, AutomaticPointersFromStringsAreAssignedTheirAddresses) {
  Unit u("void use(const char **p);\nvoid f(void) { const char *names[2] = {\"a\", \"b\"}; char s[3] = {1, 2};"
         " use(names); }");
  ASSERT_EQ(u.errors, 0u);
  ASSERT_EQ(u.all(I_INITX).size(), 1u);  // only s: an image of bytes cannot hold an address
  auto moves = u.all(I_MOV16);
  ASSERT_EQ(moves.size(), 2u);
  for (size_t i = 0; i < 2; i++) {
    const pcodell_t *value = moves[i]->right;
    ASSERT_TRUE(isPcodellIdentifier(value));
    const SymbolRecord *literal = value->data.expr.var.sym;
    ASSERT_EQ(literal->literal_length, 1);
    EXPECT_EQ(literal->literal[0], i == 0 ? 'a' : 'b');
  }
}
