// gen-dump: parses one preprocessed file, translates it, generates its code
// and resolves its branches as the compiler does with -O- (the code as the
// generator made it), then prints the output code of every code section,
// one printOcode line per node. Used by the code generator's golden and
// diagnostic tests.
//
//   gen-dump [options] file
//     -r    print the code as generated, before branch resolution
//     -O    run the optimiser's passes too, with their default settings
//     -Ob- -Os- -Ot- -Ou- -On- -Ow-   ... with that pass switched off
//     -tob  dump the optimiser's basic blocks
//     -Opa- procedural abstraction off; -topa its trace
//     -w3   report messages too (diagnostic level 3)
//     -Oi+  integer promotion on (char operands widened to int)
// Exit status: the number of errors (at most 255); 1 for a usage error or
// a file that cannot be opened.
#include <cstdio>
#include <cstring>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "front/front.h"
#include "gen/gen.h"
#include "opt/opt.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "tests/support/translation_cleanup.h"

static void s_print_sections() {
  for (void *rec = list_first(section_set); rec; rec = list_next(rec)) {
    const SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (scn->kind != SECTION_CODE || !scn->code)
      continue;
    printf("section %s\n", scn->name);
    int n = 0;
    for (const ocode *oc = scn->code; oc; oc = oc->next) {
      printf("%4d ", n++);
      printOcode(oc, 1);
    }
  }
}

// Optimiser switches gen-dump takes, as the compiler spells them.
static bool s_opt_switch(const char *arg) {
  static const struct {
    const char *name;
    int *setting;
    int value;
  } rows[] = {
      {"-O", &global_optimize_flag, 1},        {"-Ob-", &do_branch_optimizations, 0},
      {"-Os-", &do_code_straightening, 0},     {"-Ot-", &do_tail_merging, 0},
      {"-Ou-", &do_unreachable_code_removal, 0}, {"-On-", &do_banking_optimizations, 0},
      {"-Ow-", &do_wreg_tracking, 0},          {"-tob", &dump_assembly_level_basic_blocks, 1},
      {"-Opa-", &do_procedural_abstraction, 0}, {"-topa", &dump_procedural_abstraction, 1},
      {"-Od-", &do_dead_code_removal, 0},      {"-Or-", &do_redundant_store_elimination, 0},
      {"-Op-", &do_copy_propagation, 0},
  };
  for (const auto &row : rows)
    if (strcmp(arg, row.name) == 0) {
      *row.setting = row.value;
      return true;
    }
  return false;
}

static void s_finish(StatementRecord *list, pcodehl *root) {
  genFree();
  free_translation(list, root);
  opt_varlocate_clear();
}

int main(int argc, char **argv) {
  bool raw = false;
  const char *file = nullptr;
  global_optimize_flag = 0;
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "-r") == 0)
      raw = true;
    else if (s_opt_switch(argv[i]))
      continue;
    else if (strcmp(argv[i], "-w3") == 0)
      error_level = 3;
    else if (strcmp(argv[i], "-Oi+") == 0)
      suppress_integer_promotion_flag = 0;
    else
      file = file ? nullptr : argv[i];
  }
  if (!file) {
    fprintf(stderr, "usage: gen-dump [-r] [-O] [-O?-] [-tob] [-Opa-] [-topa] [-w3] [-Oi+] file\n");
    return 1;
  }
  FILE *in = fopen(file, "rb");
  if (!in) {
    fprintf(stderr, "gen-dump: cannot open '%s'\n", file);
    return 1;
  }
  snprintf(sfile, sizeof sfile, "%s", file);
  snprintf(ofile, sizeof ofile, "%s", "unit.o");
  snprintf(yyfilename, sizeof yyfilename, "%s", file);
  yylineno = 1;
  StatementRecord *list = nullptr;
  pcodehl *root = nullptr;
  bool translated = false;
  try {
    front_parse(in);
    root = hl_get_ast();
    genInit();
    if (get_error_count() == 0) {
      translated = true;
      list = trnTranslateAST(root);
    }
    if (get_error_count() == 0)
      genTranslate(list);
    if (get_error_count() == 0 && !raw)
      optimize_assembly();
    if (get_error_count() == 0)
      s_print_sections();
  } catch (const FatalUnwind &) {
    root = hl_get_ast();
  }
  fclose(in);
  if (translated)
    s_finish(list, root);
  else
    hl_free_ast(root), genFree();
  uint32_t errors = get_error_count();
  return errors > 255 ? 255 : static_cast<int>(errors);
}
