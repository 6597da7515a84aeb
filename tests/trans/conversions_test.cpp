// Integer promotion, the usual arithmetic conversions and casts on
// low-level trees; and the symbol-table dump.
#include <gtest/gtest.h>

#include <string>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/declare.h"
#include "trans/trans.h"

namespace {

struct Conversions : ::testing::Test {
  void SetUp() override { type_init_predefined(); }
  void TearDown() override {
    type_free_predefined();
    ll_free_constant_types();
    suppress_integer_promotion_flag = 1;
  }
  // A variable read of the given type: I_INDnRAM16(I_IDRAM16).
  static pcodell_t *read(TypeRecord *t) {
    pcodell_t *id = pcodell_create(I_IDRAM16, nullptr, nullptr, 1, "c.c");
    pcodell_t *ind = pcodell_create(pcodell_indirection_op(t), id, nullptr, 1, "c.c");
    ind->type = t;
    return ind;
  }
};

TEST_F(Conversions, CharPlusCharStaysEightBitsUnlessPromoted) {
  pcodell_t *l = read(char_type), *r = read(char_type);
  trnUsualArithmeticConversions(&l, &r);
  EXPECT_EQ(l->opcode, I_IND8RAM16);  // no cast node
  EXPECT_EQ(ll_sizeof_type(r->type), 1);
  pcodellFreeTree(l);
  pcodellFreeTree(r);
  suppress_integer_promotion_flag = 0;
  l = read(char_type);
  r = read(char_type);
  trnUsualArithmeticConversions(&l, &r);
  EXPECT_EQ(l->opcode, I_C8TO16S);
  EXPECT_EQ(r->opcode, I_C8TO16S);
  pcodellFreeTree(l);
  pcodellFreeTree(r);
}

TEST_F(Conversions, MixedSignednessAndWidth) {
  pcodell_t *l = read(unsigned_char_type), *r = read(char_type);
  trnUsualArithmeticConversions(&l, &r);  // same size: the signed one becomes unsigned
  EXPECT_FALSE(is_type_signed(r->type));
  EXPECT_EQ(r->opcode, I_IND8RAM16);       // same size only retypes
  pcodellFreeTree(l);
  pcodellFreeTree(r);
  l = read(unsigned_char_type);
  r = read(long_int_type);
  trnUsualArithmeticConversions(&l, &r);   // unsigned narrower: widened to the signed type
  EXPECT_EQ(l->opcode, I_C8TO32U);
  EXPECT_EQ(l->type, long_int_type);
  pcodellFreeTree(l);
  pcodellFreeTree(r);
  l = read(int_type);
  r = read(float_type);
  trnUsualArithmeticConversions(&l, &r);
  EXPECT_EQ(l->opcode, I_C16STOF);
  pcodellFreeTree(l);
  pcodellFreeTree(r);
}

TEST_F(Conversions, CastsNarrowWidenAndConvertConstantsInPlace) {
  pcodell_t *n = ll_cast(read(long_int_type), short_long_int_type);
  EXPECT_EQ(n->opcode, I_C32TO24);
  pcodellFreeTree(n);
  pcodell_t *f = ll_cast(read(float_type), unsigned_char_type);
  EXPECT_EQ(f->opcode, I_CFTO8);
  pcodellFreeTree(f);
  pcodell_t *c = trnConstant(S8, const_make(S8, -1), 1, "c.c");
  c = ll_cast(c, ll_get_constant_type(U16));
  EXPECT_EQ(c->opcode, I_CNST16);
  EXPECT_EQ(get_unsigned_constant_value(c->data.expr.cnst.value.code, c->data.expr.cnst.value), 65535u);
  pcodellFreeTree(c);
  TypeRecord *far_rom_char = type_copy(char_type);
  far_rom_char->location = ROM_LOC;
  far_rom_char->range = FAR_RANGE;
  TypeRecord *far_ptr = type_reference(far_rom_char);
  TypeRecord *ram_ptr = type_reference(type_copy(char_type));
  pcodell_t *p = ll_cast(read(ram_ptr), far_ptr);  // 2-byte to 3-byte pointer
  EXPECT_EQ(p->opcode, I_C16TO24U);
  pcodellFreeTree(p);
  testing::internal::CaptureStdout();
  pcodell_t *bad = ll_cast(read(ram_ptr), float_type);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("[1514]"), std::string::npos);
  pcodellFreeTree(bad);
  type_free(far_ptr);
  type_free(ram_ptr);
}

TEST(SymbolDump, OneLinePerMasterListEntry) {
  snprintf(ofile, sizeof ofile, "d.o");
  snprintf(yyfilename, sizeof yyfilename, "/src/d.c");
  yylineno = 4;
  type_init_predefined();
  sym_begin_module();
  SymbolRecord *f = sym_create_symbol("f", type_copy(int_type), LINKAGE_EXTERNAL, EXTERN);
  sym_declare_symbol(f, true, 3, "/src/d.c");
  SymbolRecord *v = sym_create_symbol("v", type_copy(int_type), LINKAGE_EXTERNAL, SC_NONE);
  sym_declare_symbol(v, true, 3, "/src/d.c");
  sym_begin_function(f, 4, "/src/d.c");
  sym_begin_block(4, "/src/d.c");
  sym_enter_section(SECTION_UDATA, "buffers", false, false, false, false, 0);
  sym_end_block(6, "/src/d.c");
  sym_end_function(f, 6, "/src/d.c");
  testing::internal::CaptureStdout();
  sym_dump_symtbl();
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, ".file: /src/d.c\n3: var: v\n4: bf\n4: bb\n.section: buffers\n6: eb\n6: ef\n");
  sym_end_module();
  type_free_predefined();
}

}  // namespace
