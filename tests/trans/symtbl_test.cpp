// Symbol table: scopes and shadowing, the master list with its automatic
// file entries, sections and generated names.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/compile.h"
#include "trans/symtbl.h"

namespace {

struct Symtbl : ::testing::Test {
  void SetUp() override {
    snprintf(ofile, sizeof ofile, "out/prog.o");
    snprintf(yyfilename, sizeof yyfilename, "/src/main.c");
    yylineno = 1;
    type_init_predefined();
    sym_begin_module();
  }
  void TearDown() override {
    sym_end_module();
    type_free_predefined();
    type_free_params();
  }
  static SymbolRecord *declare(const char *name, StorageClass sclass, const char *file = "/src/main.c") {
    SymbolRecord *s = sym_create_symbol(name, type_copy(int_type), LINKAGE_NONE, sclass);
    sym_declare_symbol(s, false, yylineno, file);
    return s;
  }
  static std::vector<std::string> master() {
    std::vector<std::string> out;
    for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec)) {
      SymbolRecord *e = *static_cast<SymbolRecord **>(rec);
      static const char *kinds[] = {"label", "var", "bf", "ef", "file", "bb", "eb", "section"};
      out.push_back(std::string(kinds[e->type]) + ":" + (e->name ? e->name : ""));
    }
    return out;
  }
};

TEST_F(Symtbl, OutermostBlockSharesTheParametersScope) {
  SymbolRecord *f = declare("f", STATIC);
  sym_begin_function(f, 1, "/src/main.c");
  EXPECT_EQ(sym_get_nesting_level(), 1);
  SymbolRecord *param = declare("x", AUTO);
  sym_begin_block(1, "/src/main.c");
  EXPECT_EQ(sym_get_nesting_level(), 1);  // no new scope for the outermost block
  EXPECT_EQ(sym_lookup_sym("x", 1), param);  // a local x would collide in this scope
  sym_begin_block(2, "/src/main.c");
  EXPECT_EQ(sym_lookup_sym("x", 1), nullptr);
  SymbolRecord *inner = declare("x", AUTO);
  EXPECT_EQ(sym_lookup_sym("x", 0), inner);  // hides the parameter
  EXPECT_EQ(inner->nesting_level, 2);
  sym_end_block(3, "/src/main.c");
  EXPECT_EQ(sym_lookup_sym("x", 0), param);
  sym_end_block(4, "/src/main.c");
  sym_end_function(f, 4, "/src/main.c");
  EXPECT_EQ(sym_get_nesting_level(), 0);
  EXPECT_EQ(sym_lookup_sym("x", 0), nullptr);
  EXPECT_EQ(sym_lookup_sym("f", 2), f);
  EXPECT_EQ(f->bfunct->type, SYM_BFUNCT);
  EXPECT_EQ(f->efunct->data.function, f);
}

TEST_F(Symtbl, FileEntriesMarkEachChangeOfSourceFile) {
  declare("a", STATIC, "/src/main.c");
  declare("b", STATIC, "/inc/regs.h");
  declare("c", STATIC, "/inc/regs.h");
  declare("d", STATIC, "/src/main.c");
  SymbolRecord *e = sym_create_symbol("e", type_copy(int_type), LINKAGE_EXTERNAL, EXTERN);
  sym_declare_symbol(e, true, 9, "/src/main.c");  // extern: not in the master list
  std::vector<std::string> want = {"file:/src/main.c", "var:a", "file:/inc/regs.h", "var:b",
                                   "var:c",            "file:/src/main.c", "var:d"};
  EXPECT_EQ(master(), want);
}

TEST_F(Symtbl, FileEntryRemovesTheFileFromTheDependentList) {
  dependent_file_list = list_create(sizeof(char *));
  *static_cast<char **>(list_append(dependent_file_list)) = strdup("/inc/regs.h");
  *static_cast<char **>(list_append(dependent_file_list)) = strdup("/inc/other.h");
  declare("b", STATIC, "/inc/regs.h");
  ASSERT_EQ(dependent_file_list->count, 1u);
  EXPECT_STREQ(*static_cast<char **>(list_first(dependent_file_list)), "/inc/other.h");
  free(*static_cast<char **>(list_first(dependent_file_list)));
  list_free(dependent_file_list, nullptr);
  dependent_file_list = nullptr;
}

TEST_F(Symtbl, DefaultSectionsAndReentry) {
  std::vector<std::string> names;
  for (void *rec = list_first(section_set); rec; rec = list_next(rec))
    names.push_back((*static_cast<SectionRecord **>(rec))->name);
  std::vector<std::string> want = {".tmpdata", ".udata_prog.o", ".idata_prog.o", ".romdata_prog.o",
                                   ".code_prog.o"};
  EXPECT_EQ(names, want);
  EXPECT_EQ((*static_cast<SectionRecord **>(list_first(section_set)))->attributes, SCN_OVERLAY);

  SymbolRecord *u1 = sym_enter_section(SECTION_UDATA, "mydata", false, false, false, false, 0);
  SymbolRecord *u2 = sym_enter_section(SECTION_UDATA, "mydata", false, false, false, false, 0);
  EXPECT_NE(u1, u2);  // data sections get a new entry each time
  SymbolRecord *c1 = sym_enter_section(SECTION_CODE, "boot", false, false, false, false, 0);
  SymbolRecord *c2 = sym_enter_section(SECTION_CODE, "boot", false, false, false, false, 0);
  EXPECT_EQ(c1, c2);  // re-entering a code section appends nothing
  sym_enter_section(SECTION_UDATA, nullptr, false, false, false, false, 0);
  char *current = sym_get_current_udata_scn_name();
  EXPECT_STREQ(current, ".udata_prog.o");
  free(current);
  char *idata = sym_get_current_idata_scn_name();
  EXPECT_STREQ(idata, ".idata_prog.o");
  free(idata);
  EXPECT_STREQ(sym_get_current_romdata_scn()->name, ".romdata_prog.o");
  EXPECT_STREQ(sym_get_current_code_scn()->name, "boot");
  EXPECT_STREQ(sym_get_default_code_section()->name, ".code_prog.o");
  EXPECT_EQ(sym_enter_section(SECTION_CODE, nullptr, false, false, false, false, 0), nullptr);
  EXPECT_EQ(sym_get_current_code_scn(), sym_get_default_code_section());
  EXPECT_EQ(master().size(), 5u);  // file marker, mydata twice, boot, default udata
}

TEST_F(Symtbl, SectionAttributeConflictsAreReported) {
  sym_enter_section(SECTION_UDATA, "d", false, false, true, false, 0);
  uint32_t before = get_error_count();
  testing::internal::CaptureStdout();
  sym_enter_section(SECTION_IDATA, "d", true, true, false, true, 0x100);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(get_error_count() - before, 5u);
  for (const char *n : {"[1050]", "[1052]", "[1053]", "[1054]", "[1055]"})
    EXPECT_NE(out.find(n), std::string::npos) << n;
}

TEST_F(Symtbl, GeneratedNamesCountIndependently) {
  SymbolRecord *t = sym_temp_symbol(4);
  SymbolRecord *s = sym_string_symbol(3);
  SymbolRecord *l = sym_temp_label(1, "x.c");
  SymbolRecord *c = sym_config_symbol();
  EXPECT_STREQ(t->name, "__tmp_0");
  EXPECT_STREQ(s->name, "__string_0");
  EXPECT_STREQ(l->name, "__tmplbl_0");
  EXPECT_STREQ(c->name, "__config_0");
  EXPECT_STREQ(sym_temp_symbol(1)->name, "__tmp_1");
  EXPECT_EQ(ll_sizeof_type(t->data.var.type), 4);
  EXPECT_EQ(ll_sizeof_type(s->data.var.type), 4);  // length + terminator
  EXPECT_EQ(s->data.var.type->next->location, ROM_LOC);
  EXPECT_TRUE(s->data.var.type->is_const);
  EXPECT_TRUE(t->temporary);
  char buf[16];
  sym_get_fake_tag_name(buf, sizeof buf);
  EXPECT_STREQ(buf, "__tag_0");
  char *act = sym_make_act_rec_scn_name("main");
  EXPECT_STREQ(act, "out/prog.o:main");
  free(act);
}

TEST_F(Symtbl, AutoInProgramMemoryIsMovedToRam) {
  TypeRecord *t = type_copy(int_type);
  t->location = ROM_LOC;
  testing::internal::CaptureStdout();
  SymbolRecord *s = sym_create_symbol("r", t, LINKAGE_NONE, AUTO);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("[1174] local 'r' in program memory can not be 'auto'"), std::string::npos);
  EXPECT_EQ(s->data.var.type->location, RAM_LOC);
}

TEST_F(Symtbl, TagsAndLabelsHaveTheirOwnScopes) {
  declare("t", STATIC);
  TagEntry *tag = sym_declare_tag("t", STRUCT_TAG);
  EXPECT_EQ(sym_lookup_tag("t", true), tag);
  SymbolRecord *f = declare("g", STATIC);
  sym_begin_function(f, 1, "/src/main.c");
  sym_begin_block(1, "/src/main.c");
  sym_begin_block(1, "/src/main.c");
  EXPECT_EQ(sym_lookup_tag("t", true), nullptr);
  EXPECT_EQ(sym_lookup_tag("t", false), tag);
  SymbolRecord *lbl = sym_create_label("out");
  sym_end_block(1, "/src/main.c");
  EXPECT_EQ(sym_lookup_label("out"), lbl);  // labels have function scope
  sym_end_block(1, "/src/main.c");
  sym_end_function(f, 1, "/src/main.c");
}

}  // namespace
