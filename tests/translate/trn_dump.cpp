// trn-dump: parses one preprocessed file, translates it and prints every
// statement tree exactly as the compiler's -x option does; optionally the
// master symbol list and the initial data of static objects. Used by the
// translation's golden and diagnostic tests.
//
//   trn-dump [options] file
//     -Oi+  integer promotion on        -Om-  no merging of equal strings
//     -k    plain char is unsigned      -ls   stack spans several banks
//     -w3   report messages too (diagnostic level 3)
//     -m    print the master list and initial data after the trees
//     -q    no trees (diagnostics and status only)
// Exit status: the number of errors (at most 255); 1 for a usage error or
// a file that cannot be opened.
#include <cstdio>
#include <cstring>
#include <string>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "front/front.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"
#include "tests/support/translation_cleanup.h"

static bool s_option(const char *arg, bool *master, bool *quiet) {
  if (strcmp(arg, "-Oi+") == 0)
    suppress_integer_promotion_flag = 0;
  else if (strcmp(arg, "-Om-") == 0)
    merge_duplicate_strings_flag = 0;
  else if (strcmp(arg, "-k") == 0)
    plain_char_signed_flag = 0;
  else if (strcmp(arg, "-ls") == 0)
    stack_multi_bank_flag = 1;
  else if (strcmp(arg, "-w3") == 0)
    error_level = 3;
  else if (strcmp(arg, "-m") == 0)
    *master = true;
  else if (strcmp(arg, "-q") == 0)
    *quiet = true;
  else
    return false;
  return true;
}

// One line per initialised object: its section and its bytes.
static void s_print_data() {
  for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec)) {
    const SymbolRecord *sym = *static_cast<SymbolRecord **>(rec);
    if (sym->type != VARIABLE || sym->flags & 1)
      continue;
    printf("%s: %s%s%s", sym->name, sym->section_name ? sym->section_name : "-",
           sym->decl_flags & DECL_TENTATIVE ? " tentative" : "", sym->data.var.sclass == AUTO ? " auto" : "");
    if (sym->data.var.sclass == AUTO)
      printf(" offset %ld", sym->data.var.offset);
    for (const InitRecord *r = trn_initial_data(sym); r; r = r->next) {
      if (r->kind == INIT_ADDRESS)
        printf(" &%s%+ld[%d]", r->sym->name, r->offset, r->byte);
      else
        for (long i = 0; i < r->count; i++)
          printf(" %02x", r->bytes[i]);
    }
    printf("\n");
  }
}

static void s_finish(StatementRecord *list, pcodehl *root) {
  free_translation(list, root);
}

int main(int argc, char **argv) {
  bool master = false, quiet = false;
  const char *file = nullptr;
  for (int i = 1; i < argc; i++)
    if (!s_option(argv[i], &master, &quiet))
      file = file ? nullptr : argv[i];
  if (!file) {
    fprintf(stderr, "usage: trn-dump [-Oi+] [-Om-] [-k] [-ls] [-w3] [-m] [-q] file\n");
    return 1;
  }
  FILE *in = fopen(file, "rb");
  if (!in) {
    fprintf(stderr, "trn-dump: cannot open '%s'\n", file);
    return 1;
  }
  snprintf(sfile, sizeof sfile, "%s", file);
  snprintf(ofile, sizeof ofile, "%s", "unit.o");
  snprintf(yyfilename, sizeof yyfilename, "%s", file);
  yylineno = 1;
  debug_code_gen_flag = quiet ? 0 : 1;
  StatementRecord *list = nullptr;
  pcodehl *root = nullptr;
  try {
    front_parse(in);
    root = hl_get_ast();
    if (get_error_count() == 0)
      list = trnTranslateAST(root);
  } catch (const FatalUnwind &) {
    root = hl_get_ast();
  }
  fclose(in);
  if (master && get_error_count() == 0) {
    sym_dump_symtbl();
    s_print_data();
  }
  s_finish(list, root);
  uint32_t errors = get_error_count();
  return errors > 255 ? 255 : static_cast<int>(errors);
}
