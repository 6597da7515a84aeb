// Fuzz target of the compiler from preprocessed text through translation.
// In: the bytes of a preprocessed file (line markers included). Out: nothing;
// the parse and the translation must end with a statement list or with
// diagnostics, and everything they made is freed for the next input.
#include <cstdint>
#include <cstdio>

#include "driver/compile.h"
#include "driver/diag.h"
#include "front/front.h"
#include "front/pragma.h"
#include "gen/gen.h"
#include "tests/support/translation_cleanup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
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
  return 0;
}
