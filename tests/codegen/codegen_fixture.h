// A fixture for the code generator's unit tests: a symbol module with the
// code generator's special symbols, a few variables (near and banked RAM),
// functions and labels made by hand, and helpers that build and describe
// output-code lists.
#ifndef VELC_TESTS_CODEGEN_FIXTURE_H
#define VELC_TESTS_CODEGEN_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/compile.h"
#include "driver/diag.h"
#include "gen/gen.h"
#include "trans/type.h"

class CodegenFixture : public ::testing::Test {
protected:
  void SetUp() override {
    snprintf(ofile, sizeof ofile, "unit.o");
    type_init_predefined();
    sym_begin_module();
    genInit();
  }
  void TearDown() override {
    for (ocode *list : lists)
      objFree(list);
    genFree();
    for (SymbolRecord *sym : made)
      sym_free_symbol(sym);
    sym_end_module();
    type_free_predefined();
    type_free_params();
  }
  // A byte variable in near (access) or banked RAM.
  SymbolRecord *variable(const char *name, bool near_ram) {
    TypeRecord *t = type_basic(BT_CHAR, false, false, false);
    t->location = RAM_LOC;
    t->range = near_ram ? NEAR_RANGE : FAR_RANGE;
    return record(VARIABLE, name, t);
  }
  SymbolRecord *function(const char *name) {
    TypeRecord *t = type_create(FUNCTION_TYPE);
    t->next = type_basic(BT_VOID, false, false, false);
    return record(VARIABLE, name, t);
  }
  SymbolRecord *label(const char *name) { return record(LABEL, name, nullptr); }
  SymbolRecord *record(SymbolKind kind, const char *name, TypeRecord *t) {
    auto *sym = static_cast<SymbolRecord *>(calloc(1, sizeof(SymbolRecord)));
    sym->type = kind;
    sym->name = strdup(name);
    sym->data.var.type = t;
    made.push_back(sym);
    return sym;
  }
  // Takes ownership of a list for the tear-down.
  ocode *keep(ocode *list) {
    lists.push_back(list);
    return list;
  }
  // The listing of a list (printOcode lines).
  static std::string listing(const ocode *list) {
    testing::internal::CaptureStdout();
    for (const ocode *oc = list; oc; oc = oc->next)
      printOcode(oc, 1);
    return testing::internal::GetCapturedStdout();
  }
  std::vector<SymbolRecord *> made;
  std::vector<ocode *> lists;
};

#endif
