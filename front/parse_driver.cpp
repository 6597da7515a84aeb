// Parse driver: in comes the preprocessed text (a file or a string); out
// goes the syntax-tree root. Brackets the generated parser with the
// scanner's and typedef scopes' set-up and clean-up, and turns a fatal
// message recorded during the parse into the driver's unwind afterwards.
#include <cstdio>
#include <cstring>

#include "driver/diag.h"
#include "front/front.h"
#include "front/parse_private.h"
#include "front/scan.h"

// The root stored by the grammar's start rule.
pcodehl *ast = nullptr;

pcodehl *hl_get_ast() {
  return ast;
}

int yyinitparse() {
  hl_set_fatal_pending(false);
  hl_reset_fake_tags();
  typedef_scopes_init();
  ast = nullptr;
  if (yyinitlex() != 0) {
    typedef_scopes_free();
    return 1;
  }
  return 0;
}

void yyuninitparse() {
  typedef_scopes_free();
  yyuninitlex();
  hl_release_file_cache();
}

// Runs the parser once the scanner has its input; rethrows a recorded fatal.
static int s_run(uint32_t errors_before) {
  int status = yyparse();
  yyuninitparse();
  if (hl_fatal_pending()) {
    hl_set_fatal_pending(false);
    hl_free_ast(ast);
    ast = nullptr;
    throw FatalUnwind{};
  }
  int errors = static_cast<int>(get_error_count() - errors_before);
  if (status != 0 && errors == 0)
    errors = 1;  // an aborted parse always counts
  return errors;
}

int front_parse(FILE *in) {
  uint32_t before = get_error_count();
  yyin = in;
  if (yyinitparse() != 0)
    return 1;
  return s_run(before);
}

int front_parse_text(const char *text) {
  return front_parse_bytes(text, strlen(text));
}

int front_parse_bytes(const char *bytes, size_t length) {
  uint32_t before = get_error_count();
  if (yyinitparse() != 0)
    return 1;
  scan_from_bytes(bytes, length);
  return s_run(before);
}
