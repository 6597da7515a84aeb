// front-dump: runs the scanner and parser on one preprocessed file and
// prints the syntax tree. Used by the parser's golden and robustness tests.
//
//   front-dump [-d] [-t] file
//     (default)  the trace dump of hl_print_ast
//     -d         the detailed dump (payloads, types, asm entries, pragmas)
//     -t         no tree, only the diagnostics and the status
// Exit status: the number of errors (at most 255); 1 when the file cannot
// be opened or the options are wrong; the error count also after a fatal
// message or the error limit.
#include <cstdio>
#include <cstring>

#include "driver/diag.h"
#include "front/front.h"

int main(int argc, char **argv) {
  bool detailed = false, quiet = false;
  const char *file = nullptr;
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "-d") == 0)
      detailed = true;
    else if (strcmp(argv[i], "-t") == 0)
      quiet = true;
    else if (!file)
      file = argv[i];
    else
      file = nullptr, i = argc;
  }
  if (!file) {
    fprintf(stderr, "usage: front-dump [-d] [-t] file\n");
    return 1;
  }
  FILE *in = fopen(file, "rb");
  if (!in) {
    fprintf(stderr, "front-dump: cannot open '%s'\n", file);
    return 1;
  }
  snprintf(yyfilename, sizeof yyfilename, "%s", file);
  yylineno = 1;
  try {
    front_parse(in);
  } catch (const FatalUnwind &) {
    // the tree is already freed; the count below reports the failure
  }
  fclose(in);
  pcodehl *root = hl_get_ast();
  if (root && !quiet) {
    if (detailed)
      hl_dump_tree(stdout, root);
    else
      hl_print_ast(root);
  }
  hl_free_ast(root);
  uint32_t errors = get_error_count();
  return errors > 255 ? 255 : static_cast<int>(errors);
}
