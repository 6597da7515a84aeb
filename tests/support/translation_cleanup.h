// Frees what one translation leaves behind (statement list, symbol and
// type tables, syntax tree, pragma pool), so that a test tool or fixture
// can translate again in the same process.
#ifndef VELC_TESTS_SUPPORT_TRANSLATION_CLEANUP_H
#define VELC_TESTS_SUPPORT_TRANSLATION_CLEANUP_H

#include "front/hl.h"
#include "front/pragma.h"
#include "trans/declare.h"
#include "trans/pcodell.h"
#include "trans/symtbl.h"
#include "trans/trans.h"
#include "trans/type.h"

inline void free_translation(StatementRecord *list, pcodehl *root) {
  trnTerminate();
  stmtFreeList(list);
  sym_end_module();
  type_free_params();
  ll_free_constant_types();
  type_free_predefined();
  hl_free_ast(root);
  pragma_pool_clear();
  pcodell_release_file_names();
}

#endif
