// Type records: sizes on the target, copies and references.
#include <gtest/gtest.h>

#include "driver/settings.h"
#include "trans/symtbl.h"
#include "trans/type.h"

namespace {

struct Types : ::testing::Test {
  void SetUp() override { type_init_predefined(); }
  void TearDown() override {
    type_free_predefined();
    plain_char_signed_flag = 1;
  }
};

TEST_F(Types, PredefinedSizes) {
  EXPECT_EQ(ll_sizeof_type(char_type), 1);
  EXPECT_EQ(ll_sizeof_type(int_type), 2);
  EXPECT_EQ(ll_sizeof_type(short_int_type), 2);
  EXPECT_EQ(ll_sizeof_type(short_long_int_type), 3);
  EXPECT_EQ(ll_sizeof_type(long_int_type), 4);
  EXPECT_EQ(ll_sizeof_type(long_double_type), 4);
  EXPECT_EQ(ll_sizeof_type(void_type), 0);
  EXPECT_TRUE(char_type->flags.basic.is_signed);
  EXPECT_EQ(default_function_type->next->data.basic.base, BT_INT);
  EXPECT_EQ(default_function_type->location, ROM_LOC);
  EXPECT_TRUE(void_function_type->flags.function.has_prototype);
}

TEST_F(Types, PlainCharFollowsTheSetting) {
  type_free_predefined();
  plain_char_signed_flag = 0;
  type_init_predefined();
  EXPECT_FALSE(char_type->flags.basic.is_signed);
  EXPECT_EQ(type_const_code(char_type), U8);
}

TEST_F(Types, PointerSizeDependsOnPointeeSpaceAndRange) {
  TypeRecord *ram_char = type_copy(char_type);
  TypeRecord *p = type_reference(ram_char);
  EXPECT_EQ(ll_sizeof_type(p), 2);
  ram_char->location = ROM_LOC;
  ram_char->range = NEAR_RANGE;
  EXPECT_EQ(ll_sizeof_type(p), 2);
  ram_char->range = FAR_RANGE;
  EXPECT_EQ(ll_sizeof_type(p), 3);
  EXPECT_TRUE(p->is_const);
  EXPECT_EQ(p->location, RAM_LOC);
  type_free(p);
}

TEST_F(Types, ArraysAndCopies) {
  TypeRecord *a = type_create(ARRAY_TYPE);
  a->data.array.count = 5;
  a->next = type_copy(long_int_type);
  EXPECT_EQ(ll_sizeof_type(a), 20);
  a->data.array.count = 0;  // unsized: one element
  EXPECT_EQ(ll_sizeof_type(a), 4);
  TypeRecord *b = type_copy(a);
  ASSERT_NE(b->next, nullptr);
  EXPECT_NE(b->next, a->next);
  EXPECT_EQ(ll_sizeof_type(b), 4);
  type_free(a);
  type_free(b);
}

TEST_F(Types, StructSizeComesFromTheTagDefinition) {
  sym_begin_module();
  TagEntry *tag = sym_declare_tag("s", STRUCT_TAG);
  TypeRecord *t = type_create(SUE_TYPE);
  t->data.sue.tag = tag;
  EXPECT_EQ(ll_sizeof_type(t), 0);  // incomplete
  tag->definition = static_cast<SuDefinition *>(calloc(1, sizeof(SuDefinition)));
  tag->definition->size = 7;
  EXPECT_EQ(ll_sizeof_type(t), 7);
  type_free(t);
  sym_end_module();
}

}  // namespace
