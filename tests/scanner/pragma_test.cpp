// Pragma directives: the records that reach the parser, the pragmas that act
// at once or are dropped, and their console messages.
#include <gtest/gtest.h>

#include <cstddef>
#include <tuple>

#include "driver/diag.h"
#include "driver/settings.h"
#include "front/typedefs.h"
#include "opt/varlocate.h"
#include "scan_fixture.h"

using Tokens = std::vector<int>;

// Scans source; returns the formatted pragmas and the other tokens' codes.
struct pragma_run {
  std::vector<std::string> pragmas;
  std::vector<pragma_record> records;
  Tokens others;
  std::string console;
};

static pragma_run s_run(const std::string &source) {
  pragma_run run;
  run.console = console_of([&] {
    for (const scanned &token : scan_all(source)) {
      if (token.code == TOK_PRAGMA) {
        run.pragmas.push_back(token.pragma);
        run.records.push_back(token.record);
      } else {
        run.others.push_back(token.code);
      }
    }
  });
  return run;
}

TEST_F(ScanTest, SectionPragmas) {
  pragma_run run = s_run("#pragma code\n#pragma udata access myvars\n#pragma idata d=0x200\n"
                         "#pragma romdata overlay access r = 0b101\n");
  EXPECT_EQ(run.console, "");
  EXPECT_EQ(run.pragmas, (std::vector<std::string>{
                             "section code name=- overlay=0 access=0",
                             "section udata name=myvars overlay=0 access=1",
                             "section idata name=d overlay=0 access=0 address=0x200",
                             "section romdata name=r overlay=1 access=1 address=0x5",
                         }));
  EXPECT_TRUE(run.others.empty());
  ASSERT_EQ(run.records.size(), 4u);
  EXPECT_EQ(run.records[0].kind, uint32_t(PRAGMA_SECTION));
  EXPECT_EQ(run.records[0].line, 1u);
  EXPECT_EQ(run.records[3].line, 4u);
  EXPECT_EQ(run.records[2].u.section.type, uint32_t(PRAGMA_SECTION_IDATA));
  EXPECT_EQ(run.records[2].u.section.has_address, 1u);
  EXPECT_EQ(run.records[2].u.section.address, 0x200u);
}

TEST_F(ScanTest, InterruptSaveListIsNewestFirst) {
  pragma_run run = s_run("#pragma interrupt isr save=PROD,section(\"mydata\")\n");
  EXPECT_EQ(run.pragmas,
            (std::vector<std::string>{"interrupt isr name=- save=[section mydata,PROD] nosave=[]"}));
  EXPECT_EQ(run.console, diag_line("Warning", 2074, 1, "location PROD specified in the interrupt save list is redundant"));
  EXPECT_EQ(s_prod_in_savelist, 1);
  ASSERT_EQ(run.records.size(), 1u);
  EXPECT_EQ(run.records[0].u.interrupt.high_priority, 1u);
}

TEST_F(ScanTest, InterruptNosaveAndShadowRegisters) {
  pragma_run run = s_run("#pragma interrupt isr nosave=WREG\n#pragma interruptlow low nosave=WREG,FSR0L,section(\"MATH_DATA\")\n");
  EXPECT_EQ(run.pragmas, (std::vector<std::string>{
                             "interrupt isr name=- save=[] nosave=[]",
                             "interruptlow low name=- save=[] nosave=[WREG,FSR0,__RETVAL0]",
                         }));
  EXPECT_EQ(run.console, diag_line("Warning", 2076, 1,
                                   "WREG ignored in the interrupt nosave list, as it is preserved via shadow register"));
  ASSERT_EQ(run.records.size(), 2u);
  EXPECT_EQ(run.records[1].u.interrupt.nosave[NOSAVE_WREG], 1u);
  EXPECT_EQ(run.records[1].u.interrupt.high_priority, 0u);
}

TEST_F(ScanTest, InterruptSaveOfUnmanagedAndSectionNames) {
  pragma_run run = s_run("#pragma interrupt isr save=myvar,FSR1,section(\".tmpdata\"),section(\"MATH_DATA\"),section\n");
  EXPECT_EQ(run.pragmas,
            (std::vector<std::string>{"interrupt isr name=- save=[section,FSR1,myvar] nosave=[]"}));
  EXPECT_EQ(run.console,
            diag_line("Warning", 2074, 1, "location FSR1 specified in the interrupt save list is redundant") +
                diag_line("Warning", 2074, 1, "location .tmpdata specified in the interrupt save list is redundant") +
                diag_line("Warning", 2074, 1, "location MATH_DATA specified in the interrupt save list is redundant"));
  EXPECT_EQ(s_tmpdata_in_savelist, 1);
  EXPECT_EQ(s_retval0_in_savelist, 1);
}

TEST_F(ScanTest, UpperPointerBytesAreSavedSilentlyInTheSmallModel) {
  pragma_run small = s_run("#pragma interrupt isr save=TBLPTRU,PCLATU\n");
  EXPECT_EQ(small.console, "");
  EXPECT_EQ(s_tblptru_in_savelist, 1);
  EXPECT_EQ(s_pclatu_in_savelist, 1);
  memory_model = 3;
  yylineno = 1;
  pragma_run large = s_run("#pragma interrupt isr save=TBLPTRU\n");
  EXPECT_EQ(large.console, diag_line("Warning", 2074, 1, "location TBLPTRU specified in the interrupt save list is redundant"));
}

// Pragmas whose effect shows in the records' text, the other tokens and the
// console alone. A failed line is skipped to its end; saved flags last for
// the whole unit; inside assembly a pragma still reads plain names.
TEST_F(ScanTest, PragmaTextsTokensAndMessages) {
  const char *redundant = "specified in the interrupt save list is redundant";
  const char *shadowed = "ignored in the interrupt nosave list, as it is preserved via shadow register";
  const char *both = "cannot be specified in both interrupt save= and nosave= clauses";
  const char *invalid = " is not a valid compiler managed resource for use in the interrupt nosave list";
  auto at = [](const char *kind, long number, long line, const std::string &text) {
    return std::make_tuple(kind, number, line, text);
  };
  using Message = decltype(at("", 0, 0, ""));
  const struct {
    const char *source;
    std::vector<std::string> pragmas;
    Tokens others;
    std::vector<Message> console;
  } rows[] = {
      {"#pragma romdata overlay overlay x\n#pragma code mycode=abc\nint\n#pragma code access\n#pragma code a b\n"
       "#pragma udata 5\n",
       {"section romdata name=x overlay=1 access=0"},
       {TOK_INT},
       {at("Error", 1014, 1, "redundant attribute specifier declaring section 'overlay'"),
        at("Error", 1013, 4, "error in pragma directive"), at("Error", 1013, 5, "error in pragma directive"),
        at("Error", 1013, 6, "error in pragma directive")}},
      {"#pragma code c", {"section code name=c overlay=0 access=0"}, {}, {}},
      {"#pragma interruptlow isr save=PROD nosave=PRODH\n#pragma interruptlow other nosave=PROD\n",
       {"interruptlow isr name=- save=[PROD] nosave=[PROD]", "interruptlow other name=- save=[] nosave=[PROD]"},
       {},
       {at("Warning", 2074, 1, std::string("location PROD ") + redundant), at("Error", 1228, 1, std::string("PRODH ") + both),
        at("Error", 1228, 2, std::string("PROD ") + both)}},
      {"#pragma interrupt isr isrsection save\n#pragma interrupt h nosave\n",
       {"interrupt isr name=isrsection save=[] nosave=[]", "interrupt h name=- save=[] nosave=[]"}, {}, {}},
      {"#pragma interruptlow isr nosave=FSR2,foo,section(\"data\")\n",
       {"interruptlow isr name=- save=[] nosave=[]"},
       {},
       {at("Warning", 2077, 1, std::string("FSR2") + invalid), at("Warning", 2077, 1, std::string("foo") + invalid),
        at("Warning", 2077, 1, std::string("data") + invalid)}},
      {"#pragma interrupt\n#pragma interrupt isr save=\n#pragma interrupt isr save PROD\n"
       "#pragma interrupt isr save=section(x)\n#pragma interrupt isr save=section(\"x\"\n"
       "#pragma interrupt isr save=PROD junk\nint\n",
       {},
       {TOK_INT},
       {at("Error", 1018, 1, "function name expected in 'interrupt' pragma"),
        at("Error", 1017, 2, "symbol name expected in 'interrupt' pragma"),
        at("Error", 1002, 3, "syntax error, '=' expected"), at("Error", 1002, 4, "syntax error, 'string constant' expected"),
        at("Error", 1002, 5, "syntax error, ')' expected"), at("Warning", 2074, 6, std::string("location PROD ") + redundant),
        at("Error", 1020, 6, "unexpected input following 'interrupt'")}},
      {"#pragma tmpdata\n#pragma tmpdata mytmp int x\n", {"tmpdata name=-", "tmpdata name=mytmp"},
       {TOK_INT, TOK_IDENTIFIER}, {}},
      {"#pragma foo bar\n#pragma list\n#pragma nolist x y\n#pragma 12 x\n#pragma\n#pragma LIST\nint\n#pragma",
       {},
       {TOK_INT},
       {at("Warning", 2002, 1, "unknown pragma 'foo'"), at("Warning", 2002, 6, "unknown pragma 'LIST'")}},
      {"_asm\n#pragma interruptlow movlw save=nop\nnop\n_endasm\n",
       {"interruptlow movlw name=- save=[nop] nosave=[]"},
       {TOK_ASM, TOK_ASM_MNEMONIC, TOK_ENDASM},
       {}},
      // A shadowed nosave of WREG is ignored (2076), yet naming it in both
      // clauses is still the contradiction 1228 reports.
      {"#pragma interrupt isr save=WREG nosave=WREG\n#pragma interrupt h nosave=BSR\n",
       {"interrupt isr name=- save=[WREG] nosave=[]", "interrupt h name=- save=[] nosave=[]"},
       {},
       {at("Warning", 2074, 1, std::string("location WREG ") + redundant),
        at("Warning", 2076, 1, std::string("WREG ") + shadowed), at("Error", 1228, 1, std::string("WREG ") + both),
        at("Warning", 2076, 2, std::string("BSR ") + shadowed)}},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.source);
    TearDown();
    SetUp();
    pragma_run run = s_run(row.source);
    std::string console;
    for (const Message &m : row.console)
      console += diag_line(std::get<0>(m), std::get<1>(m), std::get<2>(m), std::get<3>(m));
    EXPECT_EQ(run.pragmas, row.pragmas);
    EXPECT_EQ(run.others, row.others);
    EXPECT_EQ(run.console, console);
  }
}

TEST_F(ScanTest, VarlocateGoesToTheOptimiserList) {
  pragma_run run = s_run("#pragma varlocate 0x1FF a, b\n#pragma varlocate \"sec\" c\nint\n");
  EXPECT_TRUE(run.pragmas.empty());
  EXPECT_EQ(run.others, (Tokens{TOK_INT}));
  const varlocate_entry *e = opt_varlocate_first();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->kind, uint32_t(VARLOCATE_SECTION));
  EXPECT_STREQ(e->name, "c");
  EXPECT_STREQ(e->section, "sec");
  ASSERT_NE(e = e->next, nullptr);
  EXPECT_STREQ(e->name, "b");
  EXPECT_EQ(e->value, 0xFFu);  // the bank is the low 8 bits
  ASSERT_NE(e = e->next, nullptr);
  EXPECT_STREQ(e->name, "a");
  EXPECT_EQ(e->kind, uint32_t(VARLOCATE_BANK));
  EXPECT_EQ(e->next, nullptr);
}

TEST_F(ScanTest, VarlocateErrorsApplyNothing) {
  pragma_run run = s_run("#pragma varlocate a\n#pragma varlocate 1 a b\n#pragma varlocate 1 a,\n#pragma varlocate 1\n");
  EXPECT_EQ(opt_varlocate_first(), nullptr);
  std::string e = "error in pragma directive";
  EXPECT_EQ(run.console, diag_line("Error", 1013, 1, e) + diag_line("Error", 1013, 2, e) +
                             diag_line("Error", 1013, 3, e) + diag_line("Error", 1013, 4, e));
}

TEST_F(ScanTest, ConfigNeedsADeviceWithTables) {
  pragma_run generic = s_run("#pragma config OSC=HS\nint\n");
  EXPECT_EQ(generic.console,
            diag_line("Error", 1227, 1, "cannot specify #pragma config directive when compiling for generic device"));
  EXPECT_EQ(generic.others, (Tokens{TOK_INT}));
  generic_processor_flag = 0;
  yylineno = 1;
  pragma_run device = s_run("#pragma config OSC=HS, OSCS=OFF\nint\n");
  EXPECT_TRUE(device.pragmas.empty());
  EXPECT_EQ(device.others, (Tokens{TOK_INT}));
  EXPECT_EQ(device.console, diag_line("Error", 1224, 1, "configuration setting 'OSC' not recognized"));
}

TEST_F(ScanTest, PragmaRecordCarriesItsPosition) {
  yylineno = 41;
  pragma_run run = s_run("\n#pragma tmpdata t\n");
  ASSERT_EQ(run.records.size(), 1u);
  EXPECT_EQ(run.records[0].line, 42u);
  EXPECT_EQ(run.records[0].kind, uint32_t(PRAGMA_TMPDATA));
}

TEST(PragmaPool, HandlesOwnTheirTextsAndLists) {
  pragma_record record{};
  record.kind = PRAGMA_INTERRUPT;
  record.file = pragma_pool_text("f.c");
  record.u.interrupt.function = pragma_pool_text("isr");
  pragma_ref first = pragma_pool_save_item(SAVE_LOCATION, "PROD");
  pragma_ref second = pragma_pool_save_item(SAVE_SECTION, "data");
  pragma_pool_get_save_item(second)->next = first;
  record.u.interrupt.save_list = second;
  EXPECT_EQ(pragma_pool_live_count(), 6u);  // two texts, two items, two item names
  EXPECT_STREQ(pragma_pool_get_text(record.file), "f.c");
  EXPECT_STREQ(pragma_pool_get_text(pragma_pool_get_save_item(first)->name), "PROD");
  EXPECT_EQ(pragma_pool_get_text(0), nullptr);
  pragma_record_free(&record);
  EXPECT_EQ(pragma_pool_live_count(), 0u);
  EXPECT_EQ(record.u.interrupt.save_list, 0u);
  // Released slots are reused, and objects run their destructor.
  static int destroyed;
  pragma_ref object = pragma_pool_object(&destroyed, [](void *p) { ++*static_cast<int *>(p); });
  EXPECT_LE(object, 6u);
  pragma_pool_release(object);
  EXPECT_EQ(destroyed, 1);
  pragma_pool_clear();
}

TEST_F(ScanTest, TypedefNamesAreIdentifiersInsideDirectives) {
  // A directive line reads plain names: a typedef of the same name does not
  // turn the routine or section name into a type.
  typedef_scopes_init();
  typehl type{};
  s_declare_typedef("isr", &type);
  s_declare_typedef("code", &type);
  pragma_run run = s_run("#pragma interrupt isr save=isr\n#pragma code isr\nisr code\n");
  EXPECT_EQ(run.pragmas, (std::vector<std::string>{"interrupt isr name=- save=[isr] nosave=[]",
                                                   "section code name=isr overlay=0 access=0"}));
  EXPECT_EQ(run.others, (Tokens{TOK_TYPEDEF_NAME, TOK_TYPEDEF_NAME}));  // outside, both are types
  EXPECT_EQ(run.console, "");
  typedef_scopes_free();
}

// The record's words sit where the translator and the tree dump read them.
static_assert(offsetof(pragma_record, kind) == 0 * 4 && offsetof(pragma_record, line) == 1 * 4 &&
              offsetof(pragma_record, file) == 2 * 4);
static_assert(offsetof(pragma_record, u.section.type) == 3 * 4 && offsetof(pragma_record, u.section.name) == 4 * 4 &&
              offsetof(pragma_record, u.section.overlay) == 5 * 4 && offsetof(pragma_record, u.section.access) == 7 * 4 &&
              offsetof(pragma_record, u.section.has_address) == 8 * 4 &&
              offsetof(pragma_record, u.section.address) == 9 * 4);
static_assert(offsetof(pragma_record, u.interrupt.function) == 3 * 4 &&
              offsetof(pragma_record, u.interrupt.name) == 4 * 4 &&
              offsetof(pragma_record, u.interrupt.high_priority) == 5 * 4 &&
              offsetof(pragma_record, u.interrupt.save_list) == 6 * 4 &&
              offsetof(pragma_record, u.interrupt.nosave) == 10 * 4);
static_assert(offsetof(pragma_record, u.tmpdata.section) == 4 * 4 && offsetof(pragma_record, u.config.settings) == 3 * 4);
