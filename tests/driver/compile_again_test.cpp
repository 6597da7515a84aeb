// One process compiles several units in turn through the driver's pipeline,
// as the fuzz targets do: after phase_reset nothing of one compilation
// (error counts, configuration settings, pragma records, symbols, records
// of the tree, type, output-code and instruction pools) reaches the next,
// so each unit gives what a fresh process gives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "device/processors.h"
#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/phases.h"
#include "driver/settings.h"
#include "front/hl.h"
#include "gen/inst.h"
#include "gen/ocode.h"
#include "tests/support/files_and_commands.h"
#include "trans/pcodell.h"
#include "trans/type.h"

namespace {

struct Compiled {
  uint32_t errors;
  std::string object;  // empty when none was written
};

size_t s_live_records() {
  return hl_live_records() + type_live_records() + pcodell_live_records() + ocode_live_records() + inst_live_records();
}

Compiled s_compile(const std::string &text) {
  size_t live = s_live_records();
  std::string object = testing::TempDir() + "compile_again_" + std::to_string(getpid()) + ".o";
  snprintf(yyfilename, sizeof yyfilename, "%s", "again.c");
  snprintf(sfile, sizeof sfile, "%s", "/again/again.c");
  snprintf(ofile, sizeof ofile, "%s", object.c_str());
  yylineno = 1;
  dependent_file_list = list_create(sizeof(char *));
  FILE *in = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
  driver_set_preprocessed_input(in);
  unlink(ofile);
  phase_parser_init();
  try {
    run_phases();
  } catch (const FatalUnwind &) {
  }
  Compiled c{get_error_count(), access(object.c_str(), F_OK) == 0 ? read_file(object) : ""};
  phase_reset();
  list_free(dependent_file_list, [](void *record) { free(*static_cast<char **>(record)); });
  dependent_file_list = nullptr;
  fclose(in);
  driver_set_preprocessed_input(nullptr);
  unlink(object.c_str());
  EXPECT_EQ(s_live_records(), live) << "records left behind";
  return c;
}

TEST(CompileAgain, EachUnitCompilesAsInAFreshProcess) {
  setenv("SOURCE_DATE_EPOCH", "0", 1);
  int saved_level = error_level, saved_processor = processor, saved_generic = generic_processor_flag;
  error_level = 1;
  ASSERT_EQ(convertDvsProcName("HR4010", &processor), 1);
  SetProcessor(processor);
  generic_processor_flag = 0;
  phase_config_initialize();
  const std::string clean = "#pragma config OSC=HS\nint x;\nvoid main(void) { x = 1; }\n";
  std::string sum = "v";
  for (int i = 0; i < 700; i++)
    sum += i == 100 ? " + 1.5e+3" : " + v";
  const std::string minuses(60, '-');  // 30 decrements of a constant: 25 errors, the limit
  const std::string too_many = "struct bf { unsigned a : 3; signed d : " + minuses + " 4; };\n";
  const std::string too_many_union = "union u { int a; unsigned b : 3; char c[" + minuses + " 4]; };\n";
  std::string redeclared = "int f;\n";
  for (int i = 0; i < 30; i++)
    redeclared += "char f;\n";  // 1109 each
  const std::string float_sum = "int v = 1;\nvoid main(void)\n{\n  int r = " + sum + ";\n}\n";
  Compiled first = s_compile(clean);
  ASSERT_EQ(first.errors, 0u);
  ASSERT_FALSE(first.object.empty());
  const struct {
    const char *text;
    uint32_t errors;
  } others[] = {
      {"int x = ;\n", 1},                                         // an error in the parse
      {"void main(void) { undeclared = 1; }\n", 1},              // an error in the translation
      {"#pragma config OSC=RC, WDT=OFF\nint y;\n#pragma config OSC=HS\n", 1},  // 1223 in this unit only
      {"#pragma interrupt isr save=PROD\nvoid isr(void) {}\nint x;\n", 0},
      // Labels the optimiser takes out of the code (kept for reuse until the phase ends).
      {"int n;\nvoid main(void) { while (n) { if (n & 1) n += 3; else break; } }\n", 0},
      // Out of temporaries (1511) in the middle of a statement's code.
      {float_sum.c_str(), 1},
      // The error limit reached inside a structure's declaration.
      {too_many.c_str(), 25},
      {too_many_union.c_str(), 25},
      {redeclared.c_str(), 25},  // ... and inside a declaration
  };
  for (const auto &other : others) {
    SCOPED_TRACE(other.text);
    EXPECT_EQ(s_compile(other.text).errors, other.errors);
    Compiled again = s_compile(clean);
    EXPECT_EQ(again.errors, 0u);
    EXPECT_TRUE(again.object == first.object);
  }
  error_level = saved_level;
  processor = saved_processor;
  generic_processor_flag = saved_generic;
  SetProcessor(processor);
  phase_config_initialize();
}

}  // namespace
