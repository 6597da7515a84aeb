// The phases of one compilation, in order. In: the preprocessed input
// opened by the driver, the settings and the processor. Out: the object
// file, or the diagnostics that stopped the run. Every call into another
// subsystem is made from here, one call per phase, so that each phase is
// wired in one place.
#include "driver/phases.h"

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "front/front.h"
#include "front/pragma.h"
#include "front/pragma_config.h"
#include "gen/gen.h"
#include "object/emit.h"
#include "opt/opt.h"
#include "opt/varlocate.h"
#include "trans/declare.h"
#include "trans/pcodell.h"
#include "trans/trans.h"
#include "trans/type.h"

static FILE *s_preprocessed_input;
static bool s_parser_ready;

FILE *driver_preprocessed_input() { return s_preprocessed_input; }
void driver_set_preprocessed_input(FILE *file) { s_preprocessed_input = file; }

// The memory model chooses the width of program-memory addresses.
void phase_set_default_rom_range(bool far_range) { set_default_rom_range(far_range ? FAR_RANGE : NEAR_RANGE); }

// Configuration tables of the processor (pragma_config_initialize).
void phase_config_initialize() { pragma_config_initialize(); }

// The --help-config listing (pragma_config_help).
void phase_config_help() { pragma_config_help(); }

// The scanner and the typedef scopes are set up and torn down around the
// parse itself (front_parse), so that a parse that unwinds leaves them clean.
int phase_parser_init() {
  s_parser_ready = true;
  return 0;
}

void phase_parser_uninit() { s_parser_ready = false; }

static pcodehl *s_syntax_tree;        // held from the parse until it is freed
static StatementRecord *s_statements;  // held from translation until code generation ends
static bool s_translated;              // the symbol table and types are live
static bool s_generator_ready;         // the code generator's symbols and output code are live

// Parse the translation unit from driver_preprocessed_input().
static void s_parse() {
  front_parse(driver_preprocessed_input());
  s_syntax_tree = hl_get_ast();
}
// Translate the syntax tree into the statement list; -l prints the tree
// first and -x every statement tree.
// The code generator's special symbols come first: assembly blocks name
// them during translation.
static void s_translate() {
  s_generator_ready = true;
  genInit();
  s_translated = true;
  s_statements = trnTranslateAST(s_syntax_tree);
}
// Free the syntax tree.
static void s_free_syntax_tree() {
  hl_free_ast(s_syntax_tree);
  s_syntax_tree = nullptr;
}
// Select instructions for the statement list.
static void s_generate_code() { genTranslate(s_statements); }
// Free the statement list.
static void s_free_statements() {
  stmtFreeList(s_statements);
  s_statements = nullptr;
}
// Optimise the output code and resolve branches.
static void s_optimize() { optimize_assembly(); }
// Turn the configuration settings into data (pragma_config_generate_info).
static void s_generate_config() { pragma_config_generate_info(); }
// Write the object file.
static void s_write_object() { emit_write_object_file(ofile); }
// Release the code generator's state: special symbols and output code.
static void s_free_code_generator() {
  if (s_generator_ready)
    genFree();
  s_generator_ready = false;
}

static bool s_clean() { return get_error_count() == 0; }

// Whatever a stopped compilation still holds (the phases after an error
// do not run, so their frees do not either).
void phase_release() {
  s_free_syntax_tree();
  s_free_statements();
  s_free_code_generator();
  if (s_translated) {
    trnTerminate();
    sym_end_module();
    type_free_params();
    ll_free_constant_types();
    type_free_predefined();
    s_translated = false;
  }
}

void phase_reset() {
  phase_release();
  pragma_pool_clear();
  opt_varlocate_clear();
  opt_release_spare_labels();
  opt_pa_release();
  pcodell_release_file_names();
  pragma_config_initialize();  // the configuration bytes back to their defaults
  show_assert_lineno = 1;
  diag_reset();
}

void run_phases() {
  if (s_clean()) s_parse();
  if (s_clean()) s_translate();
  if (s_clean()) s_free_syntax_tree();
  if (s_clean()) s_generate_code();
  if (s_clean()) s_free_statements();
  // From here on an internal error no longer names a source position.
  show_assert_lineno = 0;
  if (s_clean()) s_optimize();
  if (s_clean()) s_generate_config();
  if (s_clean()) s_write_object();
  if (s_clean()) s_free_code_generator();
}
