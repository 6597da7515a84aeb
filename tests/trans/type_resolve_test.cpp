// Type resolution through the parser: sizes, layouts, messages and
// compatibility of declarations as a firmware engineer writes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "front/front.h"
#include "trans/trans.h"

namespace {

struct Resolve : ::testing::Test {
  pcodehl *root = nullptr;
  std::string messages;
  std::vector<TypeRecord *> types;

  void SetUp() override {
    snprintf(yyfilename, sizeof yyfilename, "t.c");
    type_init_predefined();
    sym_begin_module();
  }
  void TearDown() override {
    for (TypeRecord *t : types)
      type_free(t);
    hl_free_ast(root);
    sym_end_module();
    type_free_predefined();
    type_free_params();
    set_default_rom_range(NEAR_RANGE);
    plain_char_signed_flag = 1;
  }
  // The H_DECL nodes of a parsed unit, in source order.
  static void collect(const pcodehl *n, std::vector<const pcodehl *> &out) {
    if (!n)
      return;
    if (n->kind == H_DEFLST || n->kind == H_DECLLST) {
      collect(n->left, out);
      collect(n->right, out);
    } else if (n->kind == H_DECL) {
      out.push_back(n);
    }
  }
  // Resolves every declarator of the source; messages are kept.
  std::vector<TypeRecord *> resolve(const char *source) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(front_parse_text(source), 0) << source;
    hl_free_ast(root);
    root = hl_get_ast();
    std::vector<const pcodehl *> decls;
    collect(root, decls);
    std::vector<TypeRecord *> out;
    for (const pcodehl *d : decls) {
      TypeRecord *t = trnResolveType(d->u.decl.type, d->line, d->file);
      out.push_back(t);
      types.push_back(t);
    }
    messages = testing::internal::GetCapturedStdout();
    return out;
  }
  TypeRecord *one(const char *source) {
    std::vector<TypeRecord *> all = resolve(source);
    EXPECT_EQ(all.size(), 1u) << source;
    return all.empty() ? nullptr : all[0];
  }
  bool reported(const char *number) const { return messages.find(number) != std::string::npos; }
};

TEST_F(Resolve, IntegerSizesAndShortIntIdentity) {
  std::vector<TypeRecord *> t = resolve("short a; int b; short long c; long d; long double e; unsigned short long f;");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(ll_sizeof_type(t[0]), 2);
  EXPECT_TRUE(are_types_compatible(t[0], t[1], true));
  EXPECT_EQ(ll_sizeof_type(t[2]), 3);
  EXPECT_EQ(ll_sizeof_type(t[3]), 4);
  EXPECT_EQ(ll_sizeof_type(t[4]), 4);
  EXPECT_FALSE(is_type_signed(t[5]));
  EXPECT_EQ(messages, "");
}

TEST_F(Resolve, PlainCharSignednessFollowsTheOption) {
  EXPECT_TRUE(one("char c;")->flags.basic.is_signed);
  plain_char_signed_flag = 0;
  std::vector<TypeRecord *> t = resolve("char c; signed char s; unsigned char u;");
  EXPECT_FALSE(t[0]->flags.basic.is_signed);
  EXPECT_TRUE(t[1]->flags.basic.is_signed);
  EXPECT_FALSE(t[2]->flags.basic.is_signed);
}

TEST_F(Resolve, ConflictingSpecifiersAreReported) {
  one("unsigned signed x;");
  EXPECT_TRUE(reported("[1162]"));
  one("signed signed y;");
  EXPECT_TRUE(reported("[1162]"));
  one("int int z;");
  EXPECT_TRUE(reported("[1161] conflicting base types specified"));
  TypeRecord *implicit = one("extern w;");
  EXPECT_TRUE(reported("Warning [2068] obsolete use of implicit 'int' detected"));
  EXPECT_EQ(implicit->data.basic.base, BT_INT);
  EXPECT_TRUE(implicit->flags.basic.is_signed);
}

TEST_F(Resolve, ProgramMemoryPointerWidthFollowsRange) {
  EXPECT_EQ(ll_sizeof_type(one("rom char *p;")), 2);
  EXPECT_EQ(ll_sizeof_type(one("far rom char *q;")), 3);
  EXPECT_EQ(ll_sizeof_type(one("char *r;")), 2);
  set_default_rom_range(FAR_RANGE);
  EXPECT_EQ(ll_sizeof_type(one("rom char *s;")), 3);
  EXPECT_EQ(ll_sizeof_type(one("far char *t;")), 2);  // data memory: always 2
}

TEST_F(Resolve, QualifiersLandOnTheRightNode) {
  TypeRecord *p = one("const char *const volatile p;");
  ASSERT_EQ(p->type, POINTER_TYPE);
  EXPECT_TRUE(p->is_const);
  EXPECT_TRUE(p->is_volatile);
  EXPECT_TRUE(p->next->is_const);
  EXPECT_FALSE(p->next->is_volatile);
  TypeRecord *r = one("rom int table;");
  EXPECT_EQ(r->location, ROM_LOC);
  EXPECT_EQ(r->range, NEAR_RANGE);
}

TEST_F(Resolve, BitfieldsNeverSpanBytes) {
  TypeRecord *s = one("struct flags { unsigned a:3; unsigned b:6; unsigned c:2; char d; } f;");
  ASSERT_EQ(s->type, SUE_TYPE);
  const SuDefinition *def = s->data.sue.tag->definition;
  ASSERT_NE(def, nullptr);
  const MemberRecord *a = type_lookup_su_member(def, "a");
  const MemberRecord *b = type_lookup_su_member(def, "b");
  const MemberRecord *c = type_lookup_su_member(def, "c");
  const MemberRecord *d = type_lookup_su_member(def, "d");
  EXPECT_EQ(a->offset, 0);
  EXPECT_EQ(a->bit_offset, 0);
  EXPECT_EQ(b->offset, 1);
  EXPECT_EQ(b->bit_offset, 0);
  EXPECT_EQ(c->offset, 1);  // 6 + 2 bits still fit in byte 1
  EXPECT_EQ(c->bit_offset, 6);
  EXPECT_EQ(d->offset, 2);
  EXPECT_EQ(def->size, 3);
}

TEST_F(Resolve, ThreeAndSixBitFieldsTakeTwoBytes) {
  TypeRecord *s = one("struct { unsigned a:3; unsigned b:6; } f;");
  const SuDefinition *def = s->data.sue.tag->definition;
  const MemberRecord *b = type_lookup_su_member(def, "b");
  EXPECT_EQ(b->offset, 1);
  EXPECT_EQ(b->bit_offset, 0);
  EXPECT_EQ(def->size, 2);
}

TEST_F(Resolve, BitfieldWidthLimits) {
  TypeRecord *s = one("struct { unsigned w:9; unsigned char whole:8; } g;");
  EXPECT_TRUE(reported("[1171] bitfield width greater than 8 detected"));
  const SuDefinition *def = s->data.sue.tag->definition;
  EXPECT_FALSE(type_lookup_su_member(def, "w")->is_bitfield);  // clamped to 8: a whole byte
  const MemberRecord *whole = type_lookup_su_member(def, "whole");
  EXPECT_FALSE(whole->is_bitfield);  // a named 8-bit field is a plain char
  EXPECT_EQ(whole->offset, 1);
  one("struct { float f:3; } h;");
  EXPECT_TRUE(reported("[1170]"));
  one("struct { int; } k;");
  EXPECT_TRUE(reported("[1169] anonymous members allowed in unions only"));
}

TEST_F(Resolve, UnionsAreSortedAndSizedByTheLargestMember) {
  TypeRecord *u = one("union v { long zeta; char alpha; int mid; } x;");
  const SuDefinition *def = u->data.sue.tag->definition;
  EXPECT_EQ(def->size, 4);
  ASSERT_NE(def->members, nullptr);
  EXPECT_STREQ(def->members->name, "alpha");
  EXPECT_STREQ(def->members->next->name, "mid");
  EXPECT_STREQ(def->members->next->next->name, "zeta");
  EXPECT_EQ(ll_sizeof_type(def->type), 4);  // the first declared member's type
}

TEST_F(Resolve, UnnamedNestedMembersAreFound) {
  TypeRecord *u = one("union r { struct { char lo; char hi; } ; int word; } reg;");
  const SuDefinition *def = u->data.sue.tag->definition;
  const MemberRecord *hi = type_lookup_su_member(def, "hi");
  ASSERT_NE(hi, nullptr);
  EXPECT_EQ(hi->offset, 1);
  EXPECT_EQ(type_lookup_su_member(def, "nothing"), nullptr);
}

TEST_F(Resolve, RepeatedMemberNamesAreRefusedAndTheFirstIsKept) {
  // Each row: a declaration that repeats a member, the member looked up and
  // its offset in the definition that remains.
  const struct { const char *source; const char *member; int offset; } rows[] = {
      {"struct { char a; int b; long a; char c; } s;", "c", 3},
      {"struct { char a; int b; long a; char c; } s;", "a", 0},
      {"union { char a; long a; } s;", "a", 0},
      {"union { struct { char lo; char hi; }; int hi; char x; } s;", "hi", 1},
  };
  for (const auto &row : rows) {
    TypeRecord *t = one(row.source);
    EXPECT_TRUE(reported("[1513]")) << row.source;
    const MemberRecord *m = type_lookup_su_member(t->data.sue.tag->definition, row.member);
    ASSERT_NE(m, nullptr) << row.source;
    EXPECT_EQ(m->offset, row.offset) << row.source;
  }
  // A large record: every member is found, a repeat anywhere is refused.
  std::string source = "struct big {";
  for (int i = 0; i < 3000; i++)
    source += " char m" + std::to_string(i) + ";";
  source += " int m1234; } b;";
  TypeRecord *big = one(source.c_str());
  EXPECT_TRUE(reported("[1513] redefinition of member 'm1234'")) << messages;
  const SuDefinition *def = big->data.sue.tag->definition;
  EXPECT_EQ(def->size, 3000);
  EXPECT_EQ(type_lookup_su_member(def, "m2999")->offset, 2999);
  EXPECT_EQ(type_lookup_su_member(def, "m3000"), nullptr);
}

TEST_F(Resolve, EnumerationUnderlyingTypes) {
  TypeRecord *a = one("enum e1 { A = 200 } x;");
  EXPECT_EQ(ll_sizeof_type(a), 1);
  EXPECT_FALSE(is_type_signed(a));
  TypeRecord *b = one("enum e2 { B = -1, C = 200 } y;");
  EXPECT_EQ(ll_sizeof_type(b), 2);
  EXPECT_TRUE(is_type_signed(b));
  one("enum e3 { D = -1, E = 0x80000000 } z;");
  EXPECT_TRUE(reported("[2069] enumeration value exceeds maximum range"));
  TypeRecord *c = one("enum e4 { F, G, H = 5, I } w;");
  EXPECT_EQ(ll_sizeof_type(c), 1);
  SymbolRecord *i = sym_lookup_sym("I", 0);
  ASSERT_NE(i, nullptr);
  EXPECT_EQ(get_signed_constant_value(i->constant.code, i->constant), 6);
  one("enum nowhere v;");
  EXPECT_TRUE(reported("[1168] reference to undefined enumeration tag 'nowhere'"));
}

TEST_F(Resolve, ArrayBounds) {
  TypeRecord *v = one("void a[3];");
  EXPECT_TRUE(reported("[1177] illegal reference to array of void"));
  EXPECT_EQ(v->next->data.basic.base, BT_INT);
  one("int b[0];");
  EXPECT_TRUE(reported("[1516] array size must be greater than zero"));
  EXPECT_EQ(ll_sizeof_type(one("int c[];")), 2);
  EXPECT_EQ(ll_sizeof_type(one("long d[2][3];")), 24);
  one("char e[10 / 0];");
  EXPECT_TRUE(reported("[1219] integer constant expected"));
  TypeRecord *r = one("rom char f[4];");
  EXPECT_EQ(r->location, ROM_LOC);  // the array takes its element's space
  EXPECT_TRUE(r->is_const);
}

TEST_F(Resolve, IncompleteStructsAreCompatibleOnlyWithThemselves) {
  std::vector<TypeRecord *> t = resolve("struct p *x; struct q *y; struct p *z;");
  EXPECT_FALSE(are_types_compatible(t[0], t[1], false));
  EXPECT_TRUE(are_types_compatible(t[0], t[2], false));
  std::vector<TypeRecord *> d = resolve("struct m { int a; } m1; struct n { int a; } n1;");
  EXPECT_TRUE(are_types_compatible(d[0], d[1], false));  // same members, both complete
}

TEST_F(Resolve, FunctionTypesLiveInProgramMemory) {
  TypeRecord *f = one("int f(char a, int b);");
  ASSERT_EQ(f->type, FUNCTION_TYPE);
  EXPECT_EQ(f->location, ROM_LOC);
  EXPECT_EQ(f->range, NEAR_RANGE);
  EXPECT_TRUE(f->flags.function.has_prototype);
  ASSERT_NE(f->data.function.params, nullptr);
  EXPECT_EQ(ll_sizeof_type(f->data.function.params->type), 1);
  EXPECT_EQ(ll_sizeof_type(f->data.function.params->next->type), 2);
  TypeRecord *ret = type_function_return_type(f);
  EXPECT_TRUE(are_types_compatible(ret, int_type, false));
  EXPECT_NE(ret, f->next);  // a copy
  type_free(ret);
  TypeRecord *fp = one("void (*handler)(void);");
  EXPECT_EQ(fp->type, POINTER_TYPE);
  EXPECT_EQ(ll_sizeof_type(fp), 2);
  EXPECT_EQ(sym_get_nesting_level(), 0);  // prototype scopes are closed again
}

}  // namespace
