// Unit tests of the parser modules: type chains, typedef scopes, the
// structural messages, asm operand evaluation, the trace dump formats, and
// the limits (deep trees, the parser stack, the error limit).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cparse.hpp"
#include "driver/diag.h"
#include "front/front.h"
#include "front/parse_private.h"
#include "parse_text.h"

namespace {

// Owns the tree of the last parse.
struct Tree {
  pcodehl *root;
  Tree() : root(hl_get_ast()) {}
  ~Tree() { hl_free_ast(root); }
};

// Frees the tree of the last parse.
void drop() {
  hl_free_ast(hl_get_ast());
}

size_t count_lines(const std::string &text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The parse's tree in the detailed dump, freed afterwards.
std::string parse_dump(const std::string &text, int *errors = nullptr) {
  int e = parse(text);
  if (errors)
    *errors = e;
  Tree tree;
  return dump(tree.root);
}

class Parser : public ::testing::Test {
protected:
  void SetUp() override { maxerror = 1 << 30; }
  void TearDown() override { maxerror = 25; }
};

}  // namespace

// ---- type chains --------------------------------------------------------

TEST(TypeChain, AppendInsertKeepOrderAndBothLinks) {
  typehl *t = typehl_of(TH_INT);
  t = typehl_insert(t, typehl_of(TH_POINTER));
  t = typehl_append(t, typehl_of(TH_CONST));
  t = typehl_insert(t, typehl_of(TH_ARRAY));
  const int32_t want[] = {TH_ARRAY, TH_POINTER, TH_INT, TH_CONST};
  int i = 0;
  for (typenodehl *n = t->head; n; n = n->next, i++)
    EXPECT_EQ(n->kind, want[i]);
  EXPECT_EQ(i, 4);
  i = 3;
  for (typenodehl *n = t->tail; n; n = n->prev, i--)
    EXPECT_EQ(n->kind, want[i]);
  EXPECT_EQ(i, -1);
  typehl_remove(t, typehl_find(t, TH_INT));
  EXPECT_EQ(t->head->next->next->kind, TH_CONST);
  EXPECT_EQ(t->tail->prev->kind, TH_POINTER);
  typehl_remove(t, t->head);
  typehl_remove(t, t->tail);
  EXPECT_EQ(t->head, t->tail);
  typehl_free(t);
}

TEST(TypeChain, CopyIsDeep) {
  typehl *t = array_part(hl_nop());
  t = typehl_append(t, aggregate_name(0, hl_strdup("S"), member_declaring_list(nullptr, nullptr, nullptr), 1));
  typehl *c = typehl_copy(t);
  ASSERT_NE(c->head, t->head);
  EXPECT_NE(c->head->u.array.size, t->head->u.array.size);
  EXPECT_STREQ(c->tail->u.sue.tag, "S");
  EXPECT_NE(c->tail->u.sue.tag, t->tail->u.sue.tag);
  EXPECT_NE(c->tail->u.sue.members, t->tail->u.sue.members);
  typehl_free(t);  // the copy must stay intact
  EXPECT_EQ(c->head->u.array.size->kind, H_NOP);
  EXPECT_EQ(c->tail->u.sue.defined, 1);
  typehl_make_references(c);
  EXPECT_EQ(c->tail->u.sue.defined, 0);
  EXPECT_EQ(c->tail->u.sue.members, nullptr);
  typehl_free(c);
}

// ---- typedef scopes -------------------------------------------------------

TEST(TypedefScopes, ShadowingAndRestore) {
  typedef_scopes_init();
  typehl *def = typehl_of(TH_CHAR);
  s_declare_typedef("T", def);
  typehl_free(def);
  typehl *outer = lookup_typedef("T");
  ASSERT_NE(outer, nullptr);
  EXPECT_EQ(outer->head->kind, TH_CHAR);
  enter_typedef_scope();
  override_typedef("T");
  EXPECT_EQ(lookup_typedef("T"), nullptr);  // an ordinary name in here
  enter_typedef_scope();
  EXPECT_EQ(lookup_typedef("T"), nullptr);  // still hidden further in
  typehl *inner = typehl_of(TH_INT);
  s_declare_typedef("T", inner);
  typehl_free(inner);
  ASSERT_NE(lookup_typedef("T"), nullptr);
  EXPECT_EQ(lookup_typedef("T")->head->kind, TH_INT);
  EXPECT_EQ(typedef_scope_depth(), 3);
  typedef_scope_restore(1);
  EXPECT_EQ(typedef_scope_depth(), 1);
  EXPECT_EQ(lookup_typedef("T"), outer);
  exit_typedef_scope();  // the file-level scope never closes
  EXPECT_EQ(lookup_typedef("T"), outer);
  override_typedef("T");
  EXPECT_EQ(lookup_typedef("T"), nullptr);
  EXPECT_EQ(outer->head->kind, TH_CHAR);  // a scanned token's type stays valid
  typedef_scopes_free();
}

TEST(TypedefScopes, TypedefCopyDoesNotDefineAgain) {
  typedef_scopes_init();
  typehl *s = aggregate_name(0, hl_strdup("S"), member_declaring_list(nullptr, nullptr, nullptr), 1);
  s_declare_typedef("TS", s);
  EXPECT_EQ(s->head->u.sue.defined, 1);  // the declaration keeps its definition
  typehl_free(s);
  typehl *t = lookup_typedef("TS");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->head->u.sue.defined, 0);
  EXPECT_EQ(t->head->u.sue.members, nullptr);
  typedef_scopes_free();
}

// ---- structural messages ------------------------------------------------

TEST_F(Parser, EdgeCasesOfDeclarations) {
  EXPECT_EQ(parse("typedef int T; void f(void) { int T; T = 1; }"), 0);
  drop();
  EXPECT_EQ(parse("int f(a, b) int a; int b; { }"), 1);  // 1302
  { Tree t; EXPECT_EQ(t.root->kind, H_NOP); }
  EXPECT_EQ(parse("int x[] = { };"), 1);  // 1221
  drop();
  EXPECT_EQ(parse("int (*p)(void) { }"), 1);  // 1100
  drop();
  EXPECT_EQ(parse("void f(int, char c, long) { }"), 2);  // 1154 twice
  { Tree t; EXPECT_EQ(t.root->left->kind, H_DECL); }  // only c remains
  EXPECT_EQ(parse("typedef int T = 3;"), 1);  // 1220
  {
    Tree t;
    EXPECT_EQ(t.root->left->kind, H_NOP);
    EXPECT_EQ(t.root->right, nullptr);
  }
  EXPECT_EQ(parse("int f(void) { int a; a = 1; int b; }"), 1);  // declaration after a statement
  drop();
}

// A declaration or definition is reduced only when its last token is read,
// so its messages must carry the declarator's line, not the scanner's.
TEST_F(Parser, StructuralMessagesCarryTheDeclaratorsLine) {
  testing::internal::CaptureStdout();
  int errors = parse("void f(int,\n char)\n{\n  int x;\n\n}\n"
                     "int (*p)(void)\n{\n\n}\n"
                     "typedef int T =\n  3;\n");
  std::string out = testing::internal::GetCapturedStdout();
  drop();
  EXPECT_EQ(errors, 4);
  EXPECT_NE(out.find("t.c:1:Error [1154] parameter 1 in 'f' must have a name"), std::string::npos) << out;
  EXPECT_NE(out.find("t.c:2:Error [1154] parameter 2 in 'f' must have a name"), std::string::npos) << out;
  EXPECT_NE(out.find("t.c:7:Error [1100] syntax error"), std::string::npos) << out;
  EXPECT_NE(out.find("t.c:11:Error [1220] initializer detected in typedef declaration of 'T'"), std::string::npos)
      << out;
  // The scanner's own position is back in place for the messages after them.
  testing::internal::CaptureStdout();
  errors = parse("void f(int)\n{\n}\nint a = ;\n");
  out = testing::internal::GetCapturedStdout();
  drop();
  EXPECT_EQ(errors, 2);
  EXPECT_NE(out.find("t.c:1:Error [1154]"), std::string::npos) << out;
  EXPECT_NE(out.find("t.c:4:Error: syntax error"), std::string::npos) << out;
}

// Parses whose detailed dump must hold some lines: the error count and the
// texts the dump contains.
//  - A labelled statement is reduced after its statement, which may end
//    lines later: the label keeps the line where it is written.
//  - A typedef name is in scope from the end of its own declarator, so the
//    later declarators of the same declaration see it as a type; without
//    typedef the same shape stays an expression.
//  - An enumeration constant hides a typedef of the same name in its scope.
//  - Only a plain identifier that is called is marked so.
//  - Every error of one file is reported and parsing goes on after it; an
//    error inside a nested block does not leave that block's scope open.
//  - A syntax error inside an asm block resumes after _endasm.
TEST_F(Parser, DumpsHoldTheseLines) {
  const struct {
    const char *source;
    int errors;
    std::vector<const char *> lines;
  } rows[] = {
      {"void f(void)\n{\n  switch (x) {\n  case 1:\n    if (a)\n      b;\n\n  default:\n"
       "    while (c)\n      d;\n\n  }\n again:\n  if (e)\n    g;\n\n  h;\n}\n",
       0, {"H_CASE @4\n", "H_DEFAULT @8\n", "H_LABEL @13 again\n"}},
      {"typedef char B, C[sizeof(B)], (*F)(B);\nB b;\nC c;\n", 0,
       {"array size:\n            H_SIZEOFTYPE @1 type: char\n          H_IDENT @1 C",
        "parameters:\n          H_DECL @1 type: char\n            H_NOP @1", "H_DECL @3 type: [] char\n"}},
      {"int n, m[sizeof(n)];\n", 0, {"H_SIZEOFEXPR @1\n"}},
      {"typedef int T;\nvoid f(void) {\n enum { T = 2 };\n int x;\n x = T;\n}\nT y;\n", 0,
       {"member T \n", "H_IDENT @5 T\n", "H_DECL @7 type: int\n    H_IDENT @7 y"}},
      {"void f(void) { g(1); (*h)(2); s.m(3); g; }", 0,
       {"H_IDENT @1 g called", "H_IDENT @1 h\n", "H_IDENT @1 g\n", "H_MEMBER @1 .m"}},
      {"int a = ;\nint b;\nvoid f(void) { a = (; b = 1; }\nint c :: ;\nint d;\n", 3,
       {"H_IDENT @2 b", "H_IDENT @5 d", "H_ASSIGN"}},
      {"typedef int T;\nvoid f(void) { { int T; T = ( } }\nT x;\n", 1, {"  H_DECL @3 type: int\n    H_IDENT @3 x"}},
      {"void f(void) {\n_asm\n NOP\n ) ;\n MOVLW 2\n_endasm\n y = 2;\n}\nint z;\n", 1,
       {"inst NOP @3", "H_ASSIGN @7\n          H_IDENT @7 y", "H_IDENT @9 z"}},
  };
  for (const auto &row : rows) {
    int errors = -1;
    std::string d = parse_dump(row.source, &errors);
    EXPECT_EQ(errors, row.errors) << row.source;
    for (const char *line : row.lines)
      EXPECT_NE(d.find(line), std::string::npos) << line << "\nin\n" << d;
  }
}

// ---- asm operands -------------------------------------------------------

namespace {
pcodehl *cnst(int32_t type, uint32_t value) {
  hl_constant c{};
  c.type = type;
  c.value.u = value;
  return constant_primary_expression(c);
}
}  // namespace

TEST_F(Parser, AsmConstantsUseTheConstantTypeAndCArithmetic) {
  struct Case {
    pcodehl *e;
    int32_t want;
  } cases[] = {
      {cnst(CT_CHAR, 0xFF), -1},
      {cnst(CT_UCHAR, 0xFF), 255},
      {cnst(CT_INT, 0xFFFF), -1},
      {cnst(CT_UINT, 0xFFFF), 65535},
      {cnst(CT_SHORTLONG, 0x800000), -8388608},
      {cnst(CT_USHORTLONG, 0xFFFFFF), 16777215},
      {multiplicative_expression('/', unary_expression('-', cnst(CT_CHAR, 7)), cnst(CT_CHAR, 2)), -3},
      {multiplicative_expression('%', unary_expression('-', cnst(CT_CHAR, 7)), cnst(CT_CHAR, 2)), -1},
      {shift_expression(TOK_RIGHT_OP, unary_expression('-', cnst(CT_CHAR, 16)), cnst(CT_CHAR, 2)), -4},
      {shift_expression(TOK_LEFT_OP, cnst(CT_CHAR, 1), cnst(CT_CHAR, 31)), INT32_MIN},
      {logical_expression(TOK_OR_OP, cnst(CT_CHAR, 0), cnst(CT_CHAR, 9)), 1},
      {logical_expression(TOK_AND_OP, cnst(CT_CHAR, 3), cnst(CT_CHAR, 0)), 0},
      {comparison_expression(TOK_GE_OP, cnst(CT_CHAR, 2), cnst(CT_CHAR, 2)), 1},
      {binary_bitwise_expression('^', cnst(CT_UCHAR, 0xF0), cnst(CT_UCHAR, 0xFF)), 0x0F},
      {unary_expression('~', cnst(CT_CHAR, 0)), -1},
      {unary_expression('!', cnst(CT_CHAR, 5)), 0},
      {explicit_cast_expression(typehl_of(TH_CHAR), additive_expression('+', cnst(CT_CHAR, 5), cnst(CT_CHAR, 3))), 8},
  };
  uint32_t before = get_error_count();
  for (Case &c : cases) {
    EXPECT_EQ(s_compute_asm_constant(c.e), c.want);
    hl_free_ast(c.e);
  }
  EXPECT_EQ(get_error_count(), before);
}

// A floating operand truncates toward zero; out of range it saturates
// instead of relying on an undefined conversion.
TEST_F(Parser, FloatAsmOperandsTruncateAndSaturate) {
  struct Case {
    float f;
    int32_t want;
  } cases[] = {{2.9f, 2}, {-2.9f, -2}, {1e30f, INT32_MAX}, {-1e30f, INT32_MIN}, {2147483648.0f, INT32_MAX},
               {-2147483648.0f, INT32_MIN}, {__builtin_nanf(""), 0}};
  uint32_t before = get_error_count();
  for (const Case &c : cases) {
    hl_constant k{};
    k.type = CT_FLOAT;
    k.value.f = c.f;
    pcodehl *e = constant_primary_expression(k);
    EXPECT_EQ(s_compute_asm_constant(e), c.want) << c.f;
    hl_free_ast(e);
  }
  EXPECT_EQ(get_error_count(), before);
}

TEST_F(Parser, NonConstantAsmOperandsReport1253) {
  pcodehl *bad[] = {
      identifier(hl_strdup("y")),
      multiplicative_expression('/', cnst(CT_CHAR, 1), cnst(CT_CHAR, 0)),
      multiplicative_expression('/', cnst(CT_LONG, 0x80000000u), unary_expression('-', cnst(CT_CHAR, 1))),
      call_expression(identifier(hl_strdup("g")), nullptr),
      assignment_expression('=', cnst(CT_CHAR, 1), cnst(CT_CHAR, 2)),
  };
  for (pcodehl *e : bad) {
    uint32_t before = get_error_count();
    EXPECT_EQ(s_compute_asm_constant(e), 0);
    EXPECT_EQ(get_error_count(), before + 1);
    hl_free_ast(e);
  }
}

TEST_F(Parser, AsmOperandSymbolsAndOffsets) {
  struct Case {
    pcodehl *e;
    const char *symbol;
    int32_t value;
  } cases[] = {
      {identifier(hl_strdup("x")), "x", 0},
      {additive_expression('-', identifier(hl_strdup("x")), cnst(CT_CHAR, 2)), "x", -2},
      {additive_expression('+', identifier(hl_strdup("x")), multiplicative_expression('*', cnst(CT_CHAR, 2), cnst(CT_CHAR, 3))), "x", 6},
      {explicit_cast_expression(typehl_of(TH_CHAR), identifier(hl_strdup("w"))), "w", 0},
      {additive_expression('+', cnst(CT_CHAR, 3), cnst(CT_CHAR, 4)), nullptr, 7},
  };
  for (Case &c : cases) {
    asm_operand op{};
    resolve_asm_constant_expression(&op, c.e);
    if (c.symbol)
      EXPECT_STREQ(op.symbol, c.symbol);
    else
      EXPECT_EQ(op.symbol, nullptr);
    EXPECT_EQ(op.value, c.value);
    free(op.symbol);
    hl_free_ast(c.e);
  }
}

TEST_F(Parser, AsmBlockEntriesInSourceOrder) {
  int errors = 0;
  std::string d = parse_dump("void f(void) {\n_asm\nloop:\n MOVLW 1, 2\n NOP\n BRA loop\n_endasm\nloop: ;\n}\n", &errors);
  EXPECT_EQ(errors, 0);
  size_t a = d.find("label loop"), b = d.find("inst MOVLW @4 [1] [2]"), c = d.find("inst NOP @5\n"),
         e = d.find("inst BRA @6 [loop+0]");
  ASSERT_NE(a, std::string::npos);
  ASSERT_NE(b, std::string::npos);
  ASSERT_NE(c, std::string::npos);
  ASSERT_NE(e, std::string::npos);
  EXPECT_TRUE(a < b && b < c && c < e);
  EXPECT_NE(d.find("H_LABEL @8 loop"), std::string::npos);  // outside: a C label
}

// ---- dumps ----------------------------------------------------------------

TEST(Dump, TypeWordsInChainOrder) {
  typehl *t = typehl_of(TH_POINTER);
  for (int k : {TH_ARRAY, TH_FUNCTION, TH_ROM, TH_UNSIGNED, TH_CHAR, TH_STRUCT, TH_OVERLAY})
    t = typehl_append(t, typehl_of(k));
  t = typehl_append(t, typehl_of(99));
  testing::internal::CaptureStdout();
  hl_print_type(t);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, "* [] () rom unsigned char struct overlay ??? \n");
  typehl_free(t);
}

TEST(Dump, TraceFormatAndUnknownKinds) {
  pcodehl *n = new_pcodehl(H_ADD, new_pcodehl(H_IDENT, nullptr, nullptr, 7, "a.c"),
                           new_pcodehl(1234, nullptr, nullptr, 12345, "long_file_name.c"), 3, "a.c");
  testing::internal::CaptureStdout();
  hl_print_ast(n);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out,
            "       a.c:   3: H_ADD\n"
            "       a.c:   7:     H_IDENT\n"
            "long_file_name.c:12345:     --ERRROR--\n");
  EXPECT_STREQ(s_get_opcode_name(H_ELSE), "H_ELSE");
  EXPECT_STREQ(s_get_opcode_name(999), "--ERRROR--");
  hl_free_ast(n);
}

// ---- limits ---------------------------------------------------------------

namespace {
// Additions along the left spine of a sum.
int left_spine_additions(const pcodehl *e) {
  int n = 0;
  for (; e && e->kind == H_ADD; e = e->left)
    n++;
  return n;
}

std::string sum_of_ones(int terms) {
  std::string sum = "1";
  for (int i = 1; i < terms; i++)
    sum += "+1";
  return sum;
}
}  // namespace

// A long sum is a tree as deep as it is long; copying and freeing it must
// not recurse. (The trace dump indents by depth, so its output grows with
// the square of the depth; it is exercised on a smaller tree below.)
TEST_F(Parser, DeepTreesCopyAndFreeWithoutRecursion) {
  const int terms = 200000;
  std::string sum = sum_of_ones(terms);
  ASSERT_EQ(parse("int x = " + sum + ";"), 0);
  {
    Tree tree;
    EXPECT_EQ(left_spine_additions(tree.root->right), terms - 1);
  }
  // A typedef's deep array size is copied into every use.
  ASSERT_EQ(parse("typedef int A[" + sum + "];\nA y, z;\n"), 0);
  Tree tree;
  const pcodehl *z = tree.root->right->right;
  ASSERT_EQ(z->kind, H_DECL);
  ASSERT_EQ(z->u.decl.type->head->kind, TH_ARRAY);
  EXPECT_EQ(left_spine_additions(z->u.decl.type->head->u.array.size), terms - 1);
}

TEST_F(Parser, DumpsVisitEveryNodeOfADeepTree) {
  const int terms = 1500;
  ASSERT_EQ(parse("int x = " + sum_of_ones(terms) + ";"), 0);
  Tree tree;
  testing::internal::CaptureStdout();
  hl_print_ast(tree.root);
  std::string out = testing::internal::GetCapturedStdout();
  // The declaration, its name, the terms and the additions.
  EXPECT_EQ(count_lines(out), static_cast<size_t>(2 * terms + 1));
  EXPECT_EQ(count_lines(dump(tree.root)), static_cast<size_t>(2 * terms + 1));
  size_t last = out.rfind("H_CNST");
  ASSERT_NE(last, std::string::npos);
  EXPECT_EQ(out.substr(last - 4 * 2 - 1, 9), std::string(9, ' '));  // two levels in: the last term
}

TEST_F(Parser, ParserStackLimitReportsOverflow) {
  std::string parens = "int f(void) { return " + std::string(10000, '(') + "1" + std::string(10000, ')') + "; }";
  testing::internal::CaptureStdout();
  int errors = parse(parens);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_GE(errors, 1);
  EXPECT_NE(out.find("yacc stack overflow"), std::string::npos);
  drop();
  std::string blocks = "void f(void) " + std::string(10000, '{') + std::string(10000, '}');
  testing::internal::CaptureStdout();
  errors = parse(blocks);
  out = testing::internal::GetCapturedStdout();
  EXPECT_GE(errors, 1);
  EXPECT_NE(out.find("yacc stack overflow"), std::string::npos);
  drop();
  // Nesting well inside the limit parses.
  EXPECT_EQ(parse("void f(void) " + std::string(500, '{') + std::string(500, '}')), 0);
  drop();
  EXPECT_EQ(parse("int x = " + std::string(1000, '(') + "1" + std::string(1000, ')') + ";"), 0);
  drop();
}

TEST_F(Parser, ErrorLimitUnwindsAfterTheParserCleansUp) {
  maxerror = static_cast<int>(get_error_count()) + 3;
  std::string text;
  for (int i = 0; i < 10; i++)
    text += "int a" + std::to_string(i) + "[] = { };\n";
  EXPECT_THROW(parse(text), FatalUnwind);
  EXPECT_EQ(hl_get_ast(), nullptr);
  maxerror = 1 << 30;
  // The next parse starts clean.
  EXPECT_EQ(parse("int ok;"), 0);
  drop();
}
