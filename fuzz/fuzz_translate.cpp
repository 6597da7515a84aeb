// Fuzz target of the compiler from preprocessed text through translation.
// In: the bytes of a preprocessed file (line markers included). Out: nothing;
// the parse and the translation must end with a statement list or with
// diagnostics, and everything they made is freed for the next input: the
// records of the tree, type and statement pools, which the leak checker
// cannot see one by one, are counted and must be back where they started.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "driver/compile.h"
#include "driver/diag.h"
#include "front/front.h"
#include "front/pragma.h"
#include "gen/gen.h"
#include "tests/support/translation_cleanup.h"

static size_t s_live_records() { return hl_live_records() + type_live_records() + pcodell_live_records(); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  size_t live = s_live_records();
  diag_reset();
  snprintf(yyfilename, sizeof yyfilename, "%s", "fuzz.c");
  snprintf(ofile, sizeof ofile, "%s", "fuzz.o");
  yylineno = 1;
  StatementRecord *list = nullptr;
  bool generator = false;
  try {
    front_parse_bytes(reinterpret_cast<const char *>(data), size);
    if (get_error_count() == 0) {
      generator = true;
      genInit();
      list = trnTranslateAST(hl_get_ast());
    }
  } catch (const FatalUnwind &) {
  }
  if (generator)
    genFree();
  free_translation(list, hl_get_ast());
  if (s_live_records() != live) {
    fprintf(stderr, "fuzz_translate: %zu pool records left behind\n", s_live_records() - live);
    abort();
  }
  return 0;
}
