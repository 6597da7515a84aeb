// Line markers: reads the rest of a "#line" line through the directive
// state. In: a line number and an optional file name. Out: yylineno and
// yyfilename for the following lines, and every distinct file met, as an
// absolute path, in the driver's dependent-file list (order of first
// appearance) and in dependent_file_hash.
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "driver/paths.h"
#include "driver/compile.h"
#include "front/pragma.h"
#include "front/pragma_private.h"
#include "front/scan.h"

static char *s_copy(const char *text) {
  char *copy = strdup(text);
  if (!copy)
    post_error(101);
  return copy;
}

static void s_record_dependent_file() {
  char path[VELC_PATH_MAX + 1];
  velc_fullpath(path, yyfilename, sizeof path);
  char *key = path;
  if (!dependent_file_hash || hash_find(dependent_file_hash, &key))
    return;
  if (dependent_file_list)
    *static_cast<char **>(list_append(dependent_file_list)) = s_copy(path);
  char *copy = s_copy(path);
  hash_add(dependent_file_hash, &copy);
}

void line_directive() {
  resetlookahead();
  if (!match(SCAN_CONSTANT)) {
    pragma_fail(1016, nullptr);
    return;
  }
  // The constant is an unsigned 32-bit number (a line is never negative);
  // the newline that ends this directive counts the line up again.
  yylineno = static_cast<long>(scan_directive_token()->constant.value.u) - 1;
  resetlookahead();
  if (match(SCAN_STRING)) {
    snprintf(yyfilename, sizeof yyfilename, "%.*s", VELC_PATH_MAX - 1, scan_directive_token()->text);
    resetlookahead();
  }
  if (!pragma_at_line_end()) {
    pragma_fail(1020, "#line");
    return;
  }
  resetlookahead();
  s_record_dependent_file();
}
