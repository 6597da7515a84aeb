// Low-level tree: operator names, predicates, lvalue rules, copies and the dump.
#include <gtest/gtest.h>

#include <string>

#include "trans/pcodell.h"

namespace {

TEST(Pcodell, OperatorNamesByNumber) {
  struct { int number; const char *name; } cases[] = {
      {100, "I_NOP"},       {101, "I_PREINC8RAM"},  {105, "I_PREINCFRAM"}, {106, "I_PSTINC8RAM"},
      {121, "I_PREINC8ROM"}, {140, "I_PSTDECFROM"}, {141, "I_cop8"},       {145, "I_ADDF"},
      {150, "I_ADDFA"},     {151, "I_SUB8"},        {152, "I_MUL8S"},      {157, "I_MOD8U"},
      {158, "I_SUB16"},     {179, "I_SUBF"},        {181, "I_DIVF"},       {182, "I_SUB8A"},
      {183, "I_MUL8AS"},    {212, "I_DIVFA"},       {217, "I_MOVX"},       {224, "I_CONDSEP"},
      {229, "I_IDSTK"},     {230, "I_IND8RAM8"},    {234, "I_INDXRAM8"},   {235, "I_IND8RAM16"},
      {249, "I_INDXROM24"}, {253, "I_BITFRAM16"},   {257, "I_MEMBERROM24"}, {262, "I_SHR8A"},
      {266, "I_SHL8"},      {273, "I_SHL32A"},      {282, "I_EQF"},        {287, "I_GT8U"},
      {291, "I_GTF"},       {300, "I_LTF"},         {305, "I_TSTF"},       {308, "I_LNOT"},
      {315, "I_CALLX"},     {319, "I_SWITCH32"},    {325, "I_ARGX"},       {337, "I_C24TO32U"},
      {345, "I_C32STOF"},   {349, "I_CFTO32"},      {355, "I_C32TO24"},    {360, "I_CNSTF"},
      {367, "I_GOTO"},      {373, "I_RETX"},        {377, "I_SECTION"},
  };
  for (const auto &c : cases)
    EXPECT_STREQ(pcodell_get_opcode_name(c.number), c.name) << c.number;
  EXPECT_EQ(pcodell_get_opcode_name(99), nullptr);
  EXPECT_EQ(pcodell_get_opcode_name(378), nullptr);
}

TEST(Pcodell, Predicates) {
  pcodell_t *zero = pcodell_create(I_CNST16, nullptr, nullptr, 1, "a.c");
  zero->data.expr.cnst.value = const_make(S16, 0);
  EXPECT_TRUE(is_pcodell_constant(zero));
  EXPECT_TRUE(isPcodellZero(zero));
  zero->data.expr.cnst.value = const_make(S16, 256);  // low byte zero is not zero
  EXPECT_FALSE(isPcodellZero(zero));
  zero->opcode = I_CNSTF;
  zero->data.expr.cnst.value = const_make_float(0.0f);
  EXPECT_TRUE(isPcodellZero(zero));
  pcodellFreeTree(zero);
  EXPECT_TRUE(is_opcode_cast(I_C8TO16S));
  EXPECT_TRUE(is_opcode_cast(I_C32TO24));
  EXPECT_FALSE(is_opcode_cast(I_CNST8));
  pcodell_t n{};
  n.opcode = I_cop32A;
  EXPECT_TRUE(is_pcodell_commutativeOperator(&n));
  n.opcode = I_ADDF;
  EXPECT_FALSE(is_pcodell_commutativeOperator(&n));
  n.opcode = I_IDSTK;
  EXPECT_TRUE(isPcodellIdentifier(&n));
  EXPECT_TRUE(is_identifier(&n));
  EXPECT_FALSE(isPcodellNop(&n));
  n.opcode = I_IND8RAM8;
  EXPECT_FALSE(is_identifier(&n));
  n.opcode = I_NOP;
  EXPECT_TRUE(isPcodellNop(&n));
  n.opcode = I_INDXROM24;
  EXPECT_TRUE(isPcodellIndirection(&n));
  n.opcode = I_MOVX;
  EXPECT_TRUE(isPcodellSimpleAssignment(&n));
}

// s.m where s comes from the given base node.
pcodell_t *member_read(pcodell_t *base) {
  pcodell_t *member = pcodell_create(I_MEMBERRAM16, base, nullptr, 1, "a.c");
  return pcodell_create(I_IND8RAM16, member, nullptr, 1, "a.c");
}

TEST(Pcodell, MemberOfCallResultIsNotAnLvalue) {
  pcodell_t *through_call = member_read(pcodell_create(I_CALLX, nullptr, nullptr, 1, "a.c"));
  set_pcodell_lvalue(through_call);
  EXPECT_FALSE(through_call->lvalue);
  pcodell_t *ptr = pcodell_create(I_IND16RAM16, pcodell_create(I_IDRAM16, nullptr, nullptr, 1, "a.c"), nullptr,
                                  1, "a.c");
  pcodell_t *deref = pcodell_create(I_INDXRAM16, ptr, nullptr, 1, "a.c");  // *p, an object
  set_pcodell_lvalue(deref);
  pcodell_t *through_pointer = member_read(deref);
  set_pcodell_lvalue(through_pointer);
  EXPECT_TRUE(through_pointer->lvalue);
  pcodellFreeTree(through_call);
  pcodellFreeTree(through_pointer);
}

TEST(Pcodell, CopySharesTypesAndSymbolsButNotNodes) {
  TypeRecord shared_type{};
  SymbolRecord sym{};
  pcodell_t *id = pcodell_create(I_IDRAM16, nullptr, nullptr, 3, "a.c");
  id->type = &shared_type;
  id->data.expr.var.sym = &sym;
  pcodell_t *tree = pcodell_create(I_IND8RAM16, id, nullptr, 3, "a.c");
  tree->owned = malloc(4);
  tree->owned_size = 4;
  pcodell_t *copy = pcodell_copy(tree);
  EXPECT_NE(copy, tree);
  EXPECT_NE(copy->left, tree->left);
  EXPECT_NE(copy->owned, tree->owned);
  EXPECT_EQ(copy->left->type, &shared_type);
  EXPECT_EQ(copy->left->data.expr.var.sym, &sym);
  pcodellFreeTree(tree);
  pcodellFreeTree(copy);
}

TEST(Pcodell, DumpFormat) {
  SymbolRecord x{};
  x.name = const_cast<char *>("x");
  pcodell_t *id = pcodell_create(I_IDRAM16, nullptr, nullptr, 12, "a.c");
  id->data.expr.var.sym = &x;
  pcodell_t *dest = pcodell_create(I_IND16RAM16, id, nullptr, 12, "a.c");
  pcodell_t *cnst = pcodell_create(I_CNST16, nullptr, nullptr, 12, "a.c");
  cnst->data.expr.cnst.value = const_make(S16, -3);
  pcodell_t *add = pcodell_create(I_cop16, pcodell_copy(dest), cnst, 12, "a.c");
  add->data.expr.cop = B_ADD;
  pcodell_t *mov = pcodell_create(I_MOV16, dest, add, 12, "a.c");
  mov->opcode = I_MOV16;
  pcodell_t *bad = pcodell_create(static_cast<PcodellOp>(999), nullptr, nullptr, 13, "a.c");
  testing::internal::CaptureStdout();
  pcodell_dbg_dump_tree(mov);
  pcodell_dbg_dump_tree(bad);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out,
            "  12: I_MOV16\n"
            "  12:     I_IND16RAM16\n"
            "  12:         I_IDRAM16(x)\n"
            "  12:     I_cop16(B_ADD)\n"
            "  12:         I_IND16RAM16\n"
            "  12:             I_IDRAM16(x)\n"
            "  12:         I_CNST16(-3)\n"
            "  13: --ERROR--\n");
  pcodellFreeTree(mov);
  pcodellFreeTree(bad);
}

TEST(Pcodell, WidthAndSpaceChoice) {
  TypeRecord c{};
  c.type = BASIC_TYPE;
  c.data.basic.base = BT_INT;
  c.flags.basic.is_long = 1;
  c.flags.basic.is_short = 1;
  c.location = ROM_LOC;
  c.range = FAR_RANGE;
  EXPECT_EQ(pcodell_indirection_op(&c), I_IND24ROM24);
  c.location = RAM_LOC;
  c.range = NEAR_RANGE;
  EXPECT_EQ(pcodell_indirection_op(&c), I_IND24RAM8);
  c.data.basic.base = BT_FLOAT;
  EXPECT_EQ(pcodell_width_index(&c, true, true), 4);
  EXPECT_EQ(pcodell_width_index(&c, false, true), -1);
  SymbolRecord s{};
  s.data.var.sclass = AUTO;
  s.data.var.type = &c;
  EXPECT_EQ(pcodell_identifier_op(&s), I_IDSTK);
  s.data.var.sclass = STATIC;
  EXPECT_EQ(pcodell_identifier_op(&s), I_IDRAM8);
}

TEST(Pcodell, StatementListLinksBothWays) {
  StatementRecord *list = nullptr;
  StatementRecord *a = stmtCreate(pcodell_create(I_NOP, nullptr, nullptr, 1, "a.c"));
  StatementRecord *c = stmtCreate(pcodell_create(I_NOP, nullptr, nullptr, 3, "a.c"));
  stmtAppend(&list, a);
  stmtAppend(&list, c);
  StatementRecord *b = stmtCreate(pcodell_create(I_NOP, nullptr, nullptr, 2, "a.c"));
  stmtInsertAfter(a, b);
  EXPECT_EQ(list, a);
  EXPECT_EQ(a->next, b);
  EXPECT_EQ(b->next, c);
  EXPECT_EQ(c->previous, b);
  EXPECT_EQ(b->previous, a);
  stmtFreeList(list);
}

}  // namespace
