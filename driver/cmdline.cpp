// Command-line options. In: argc/argv. Out: the compiler settings, the
// include and define tables, the source/object/error file names, the
// suppression set; refusals and help texts on standard output.
#include "driver/cmdline.h"

#include <popt.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "device/processors.h"
#include "driver/diag.h"
#include "driver/phases.h"
#include "driver/settings.h"
#include "util/util.h"

// Codes returned by poptGetNextOpt for options acted on in cmd_parse_args.
enum cmd_code {
  CMD_DEFINE = 68,
  CMD_INCLUDE = 73,
  CMD_ERROR_FILE = 101,
  CMD_HELP = 104,
  CMD_OBJECT_FILE = 111,
  CMD_PROCESSOR = 112,
  CMD_SMALL_MODEL = 256,
  CMD_LARGE_MODEL = 257,
  CMD_OVERLAY_LOCALS = 258,
  CMD_STATIC_LOCALS = 259,
  CMD_OL = 260,
  CMD_OA = 261,
  CMD_SUPPRESS = 270,
  CMD_MESSAGE_LIST = 271,
  CMD_MESSAGE_ALL = 272,
  CMD_MESSAGE_HELP = 273,
  CMD_DUMP_BLOCKS = 274,
  CMD_AUTO_LOCALS = 275,
  CMD_ON0 = 276,
  CMD_ON1 = 277,
  CMD_ON2 = 278,
  CMD_EXTENDED = 279,
  CMD_NO_EXTENDED = 280,
};

#define ONE POPT_ARGFLAG_ONEDASH
#define HID POPT_ARGFLAG_DOC_HIDDEN
// A value-setting row: popt stores value into setting.
#define SETV(name, setting, value, flags, help) \
  {name, 0, POPT_ARG_VAL | ONE | (flags), &(setting), value, help, nullptr}
// An enable/disable pair of value-setting rows over one setting.
#define PAIR(name, setting, help_on, help_off) \
  SETV(name "+", setting, 1, 0, help_on), SETV(name "-", setting, 0, 0, help_off)
// A row that only returns its code.
#define CODE(name, code, flags, help) {name, 0, POPT_ARG_NONE | ONE | (flags), nullptr, code, help, nullptr}

static struct poptOption options_table[] = {
    {"help", '?', POPT_ARG_NONE, nullptr, CMD_HELP, "this help screen", nullptr},
    {nullptr, 'I', POPT_ARG_STRING, nullptr, CMD_INCLUDE, "Add 'path' to include path", "<path>"},
    {"extended", 0, POPT_ARG_NONE, nullptr, CMD_EXTENDED, "generate extended mode code", nullptr},
    {"no-extended", 0, POPT_ARG_NONE | HID, nullptr, CMD_NO_EXTENDED, "generate non-extended mode code", nullptr},
    {"fo", 0, POPT_ARG_STRING | ONE, nullptr, CMD_OBJECT_FILE, "Object file name", "<name>"},
    {"fe", 0, POPT_ARG_STRING | ONE, nullptr, CMD_ERROR_FILE, "Error file name", "<name>"},
    {nullptr, 'k', POPT_ARG_VAL, &plain_char_signed_flag, 0, "Set plain char type to unsigned char", nullptr},
    {"ls", 0, POPT_ARG_NONE | ONE, &stack_multi_bank_flag, 0, "Large stack (can span multiple banks)", nullptr},
    CODE("ms", CMD_SMALL_MODEL, 0, "Set compiler memory model to small model (default)"),
    CODE("ml", CMD_LARGE_MODEL, 0, "Set compiler memory model to large model"),
    // The optimisation switches.
    {"O+", 'O', POPT_ARG_VAL | ONE, &global_optimize_flag, 1, "Enable all optimizations (default)", nullptr},
    SETV("O-", global_optimize_flag, 0, 0, "Disable all optimizations"),
    SETV("Oi+", suppress_integer_promotion_flag, 0, 0, "Enable integer promotion"),
    SETV("Oi-", suppress_integer_promotion_flag, 1, 0, "Disable integer promotion (default)"),
    PAIR("Om", merge_duplicate_strings_flag, "Enable duplicate string merging (default)",
         "Disable duplicate string merging"),
    PAIR("On", do_banking_optimizations, "Enable banking optimizer (default)", "Disable banking optimizer"),
    PAIR("Ou", do_unreachable_code_removal, "Enable unreachable code removal (default)",
         "Disable unreachable code removal"),
    PAIR("Os", do_code_straightening, "Enable code straightening (default)", "Disable code straightening"),
    PAIR("Ot", do_tail_merging, "Enable tail merging (default)", "Disable tail merging"),
    PAIR("Ob", do_branch_optimizations, "Enable branch optimizations (default)", "Disable branch optimizations"),
    CODE("sca", CMD_AUTO_LOCALS, HID, "Enable default auto locals (default)"),
    CODE("scs", CMD_STATIC_LOCALS, HID, "Enable default static locals"),
    CODE("sco", CMD_OVERLAY_LOCALS, HID, "Enable default overlay locals (statically allocate activation records)"),
    PAIR("Od", do_dead_code_removal, "Enable dead code removal (default)", "Disable dead code removal"),
    PAIR("Opa", do_procedural_abstraction, "Enable procedural abstraction (default)",
         "Disable procedural abstraction"),
    {"pa", 0, POPT_ARG_INT | ONE, &procedural_abstraction_count, 0,
     "Set procedural abstraction repeat count (default = 4)", "<repeat count>"},
    PAIR("Op", do_copy_propagation, "Enable copy propagation (default)", "Disable copy propagation"),
    PAIR("Or", do_redundant_store_elimination, "Enable redundant store elimination (default)",
         "Disable redundant store elimination"),
    CODE("Oa+", CMD_OA, HID, "Enable default data in access memory"),
    CODE("Oa-", CMD_OA, HID, "Disable default data in access memory (default)"),
    PAIR("Ow", do_wreg_tracking, "Enable WREG tracking (default)", "Disable WREG tracking"),
    // The rest of the options.
    {nullptr, 'p', POPT_ARG_STRING, nullptr, CMD_PROCESSOR, "Set processor (default is generic)", "<processor>"},
    {nullptr, 'D', POPT_ARG_STRING, nullptr, CMD_DEFINE, "  Define a macro", "\b<macro>[=text]"},
    {nullptr, 'w', POPT_ARG_INT, &error_level, 0, "Set warning level (default = 2)", "{ 1 | 2 | 3 }"},
    {"nw", 0, POPT_ARG_INT | ONE, nullptr, CMD_SUPPRESS, "Suppress message <n>", "<n>"},
    {"verbose", 0, POPT_ARG_NONE | ONE, &verbose, 0, "Operate verbosely (show banner and other information)",
     nullptr},
    {"help-message-list", 0, POPT_ARG_NONE, nullptr, CMD_MESSAGE_LIST, "Display a list of all diagnostic messages",
     nullptr},
    {"help-message-all", 0, POPT_ARG_NONE, nullptr, CMD_MESSAGE_ALL, "Display help for all diagnostic messages",
     nullptr},
    {"help-message", 0, POPT_ARG_INT, nullptr, CMD_MESSAGE_HELP, "Display help on diagnostic number <n>", "<n>"},
    {"help-config", 0, POPT_ARG_NONE, &show_pragma_config_help, 0,
     "Display the configuration settings available for the device selected on the command line", nullptr},
    // --version is the spelling users of other compilers type; it is -v.
    {"version", 'v', POPT_ARG_NONE, &dump_version_only, 0, "Display version and exit", nullptr},
    {nullptr, 'l', POPT_ARG_NONE | HID, &debug_trans_flag, 0, "Debug translator", nullptr},
    {"bs", 0, POPT_ARG_NONE | ONE | HID, &stack_multi_bank_flag, 0, "Large stack (can span multiple banks)", nullptr},
    {"lfsr", 0, POPT_ARG_NONE | ONE | HID, &lfsr_valid, 0, "Enable LFSR code generation", nullptr},
    {nullptr, 'x', POPT_ARG_NONE | HID, &debug_code_gen_flag, 0, "Dump code generator trees", nullptr},
    {nullptr, 's', POPT_ARG_NONE | HID, &emit_assembly_flag, 0, "Generate assembly source", nullptr},
    // The hidden short forms of the optimisation switches.
    SETV("Oi", suppress_integer_promotion_flag, 0, HID, "Enable integer promotion"),
    SETV("Om", merge_duplicate_strings_flag, 1, HID, "Enable duplicate string merging (default)"),
    SETV("On", do_banking_optimizations, 1, HID, "Enable banking optimizer (default)"),
    CODE("On0", CMD_ON0, HID, "Set banking optimizer level"),
    CODE("On1", CMD_ON1, HID, "Set banking optimizer level"),
    CODE("On2", CMD_ON2, HID, "Set banking optimizer level (default)"),
    SETV("Ou", do_unreachable_code_removal, 1, HID, "Enable unreachable code removal (default)"),
    SETV("Os", do_code_straightening, 1, HID, "Enable code straightening (default)"),
    SETV("Ot", do_tail_merging, 1, HID, "Enable tail merging (default)"),
    SETV("Ob", do_branch_optimizations, 1, HID, "Enable branch optimizations (default)"),
    CODE("Ol", CMD_OL, HID, "Enable default static locals"),
    CODE("Ol+", CMD_OL, HID, "Enable default static locals"),
    CODE("Ol-", CMD_OL, HID, "Disable default static locals (default)"),
    SETV("Od", do_dead_code_removal, 1, HID, "Enable dead code removal"),
    SETV("Opa", do_procedural_abstraction, 1, HID, "Enable procedural abstraction"),
    {"topa", 0, POPT_ARG_NONE | ONE | HID, &dump_procedural_abstraction, 0, "Dump procedural abstraction information",
     nullptr},
    SETV("Op", do_copy_propagation, 1, HID, "Enable copy propagation"),
    SETV("Or", do_redundant_store_elimination, 1, HID, "Enable redundant store elimination"),
    CODE("Oa", CMD_OA, HID, "Enable default data in access memory"),
    SETV("Ow", do_wreg_tracking, 1, HID, "Enable WREG tracking (default)"),
    // Trace switches.
    {nullptr, 'E', POPT_ARG_NONE | HID, &preprocess_only, 0, "Stop after preprocessing", nullptr},
    CODE("tob", CMD_DUMP_BLOCKS, HID, "Dump basic blocks"),
    {"tp", 0, POPT_ARG_NONE | ONE | HID, &dump_preprocessor_cmd_line, 0, "Dump the pre-processor command line",
     nullptr},
    {nullptr, 'h', POPT_ARG_NONE | HID, nullptr, CMD_HELP, "this help screen", nullptr},
    POPT_TABLEEND};

// 81 options and the closing empty row.
static_assert(sizeof options_table / sizeof options_table[0] == 82, "the option table has 81 rows");

#undef SETV
#undef PAIR
#undef CODE
#undef ONE
#undef HID

static poptContext s_context;
// The file names taken from -fo and -fe (the settings point into these).
static char *s_object_name;
static char *s_error_name;
// The first option word that is no row of the table (null when all are).
static const char *s_unknown_word;

static bool s_takes_argument(const struct poptOption &row) {
  unsigned kind = row.argInfo & POPT_ARG_MASK;
  return kind != POPT_ARG_NONE && kind != POPT_ARG_VAL;
}

// The row whose long name is the first len characters of name; one_dash
// limits the search to rows that accept a single dash.
static const struct poptOption *s_long_row(const char *name, size_t len, bool one_dash) {
  for (const struct poptOption *row = options_table; row->longName || row->shortName; row++)
    if (row->longName && strlen(row->longName) == len && strncmp(row->longName, name, len) == 0 &&
        (!one_dash || (row->argInfo & POPT_ARGFLAG_ONEDASH)))
      return row;
  return nullptr;
}

static const struct poptOption *s_short_row(char letter) {
  for (const struct poptOption *row = options_table; row->longName || row->shortName; row++)
    if (row->shortName == letter)
      return row;
  return nullptr;
}

// Whether the option word (it starts with "-") names a row; *next_is_argument
// tells whether the row takes the following word as its argument. popt alone
// would read an unknown single-dash word as a group of one-letter options
// (-Ox as -O -x); here a one-letter option stands alone or carries its
// argument attached (-Iinc, -DX=1, -w3).
static bool s_known_word(const char *word, bool *next_is_argument) {
  *next_is_argument = false;
  bool two_dashes = word[1] == '-';
  const char *name = word + (two_dashes ? 2 : 1);
  const char *equals = strchr(name, '=');
  size_t len = equals ? static_cast<size_t>(equals - name) : strlen(name);
  if (const struct poptOption *row = s_long_row(name, len, !two_dashes)) {
    *next_is_argument = s_takes_argument(*row) && !equals;
    return true;
  }
  if (two_dashes)
    return false;
  const struct poptOption *row = s_short_row(name[0]);
  if (!row)
    return false;
  if (s_takes_argument(*row)) {
    *next_is_argument = name[1] == '\0';
    return true;
  }
  return name[1] == '\0';
}

// Index of the first option word that names no row, or argc. Words taken as
// an option's argument, a lone "-" and everything behind "--" are not option
// words.
static int s_first_unknown_word(int argc, const char **argv) {
  for (int i = 1; i < argc; i++) {
    const char *word = argv[i];
    if (strcmp(word, "--") == 0)
      break;
    if (word[0] != '-' || word[1] == '\0')
      continue;
    bool next_is_argument = false;
    if (!s_known_word(word, &next_is_argument))
      return i;
    if (next_is_argument)
      i++;
  }
  return argc;
}

bool cmd_init(int argc, const char **argv) {
  // popt sees the words before the first unknown one; cmd_parse_args reports
  // that one where popt would have stopped on it.
  int known = s_first_unknown_word(argc, argv);
  s_unknown_word = known < argc ? argv[known] : nullptr;
  s_context = poptGetContext(nullptr, known, argv, options_table, 0);
  if (!s_context)
    return false;
  poptSetOtherOptionHelp(s_context, "[options] file [options]");
  return true;
}

void cmd_show_help() {
  if (s_context)
    poptPrintHelp(s_context, stdout, 0);
}

void cmd_free() {
  for (int i = 0; i < num_includes; i++)
    free(includes[i]);
  for (int i = 0; i < num_defines; i++)
    free(command_line_defines[i]);
  num_includes = num_defines = 0;
  free(suppress_message_option);
  suppress_message_option = nullptr;
  free(s_object_name);
  free(s_error_name);
  s_object_name = s_error_name = nullptr;
  _object_file_name = _error_file_name = _source_file_name = nullptr;
  s_unknown_word = nullptr;
  if (s_context)
    s_context = poptFreeContext(s_context);
}

// "%s:  %s\n" with the option being handled and a reason.
static void s_refuse(const char *reason) {
  printf("%s:  %s\n", poptBadOption(s_context, POPT_BADOPTION_NOALIAS), reason);
}

// Converts text with automatic base; false unless the whole text is a number
// that fits in 32 bits (message numbers are 32-bit, and a wider value must
// not wrap round onto one).
static bool s_to_number(const char *text, long *out) {
  if (!text || !*text)
    return false;
  char *end = nullptr;
  errno = 0;
  long value = strtol(text, &end, 0);
  if (*end != '\0' || errno == ERANGE || value < INT32_MIN || value > INT32_MAX)
    return false;
  *out = value;
  return true;
}

static int s_add_define(const char *arg, int result) {
  if (num_defines >= VELC_MAX_DEFINES) {
    printf("Too many macro definitions: at most %d -D options are allowed\n", VELC_MAX_DEFINES);
    return 0;
  }
  command_line_defines[num_defines++] = strdup(arg);
  return result;
}

static int s_add_include(const char *arg, int result) {
  if (num_includes >= VELC_MAX_INCLUDES) {
    printf("Too many include directories: at most %d -I options are allowed\n", VELC_MAX_INCLUDES);
    return 0;
  }
  std::string quoted = std::string("\"") + arg + "\"";
  includes[num_includes++] = strdup(quoted.c_str());
  return result;
}

// Replaces *slot by a copy of arg (a repeated -fo or -fe: the last one wins).
static const char *s_keep_name(char **slot, const char *arg) {
  free(*slot);
  *slot = strdup(arg);
  return *slot;
}

static std::string s_strip(const char *text) {
  std::string s(text);
  size_t first = 0, last = s.size();
  while (first < last && isspace(static_cast<unsigned char>(s[first])))
    first++;
  while (last > first && isspace(static_cast<unsigned char>(s[last - 1])))
    last--;
  return s.substr(first, last - first);
}

static int s_select_processor(const char *arg, int result) {
  std::string name = s_strip(arg);
  processor_specified_on_cmdline = 1;
  if (convertDvsProcName(name.c_str(), &processor)) {
    generic_processor_flag = 0;
    if (!supports_extended_mode(processor)) {
      printf("Fatal [104] a non-extended mode device cannot be specifed to the extended mode compiler\n");
      return 0;
    }
    return result;
  }
  if (strcasecmp(name.c_str(), PROC_GENERIC_NAME) == 0) {
    processor = PROC_GENERIC_ID;
    generic_processor_flag = 1;
    return result;
  }
  generic_processor_flag = 0;
  printf("Unknown processor '%s'\n", name.c_str());
  return 0;
}

static void s_suppress(const char *arg) {
  long number = 0;
  if (!s_to_number(arg, &number)) {
    s_refuse(poptStrerror(POPT_ERROR_BADNUMBER));
    return;
  }
  if (number < 1000 || is_error_message(number)) {
    s_refuse("error messages cannot be suppressed\n");
    return;
  }
  char word[48];
  snprintf(word, sizeof word, "--suppress-message=%ld ", number);
  suppress_message_option = strcatdyn(suppress_message_option, word);
  suppress_message(number);
}

static int s_message_help(const char *arg) {
  long number = 0;
  if (!s_to_number(arg, &number)) {
    s_refuse(poptStrerror(POPT_ERROR_BADNUMBER));
    return 0;
  }
  show_message_help(number);
  return -1;
}

static void s_memory_model(int model) {
  memory_model = model;
  phase_set_default_rom_range(model == 3);
}

static void s_deprecated_banking(int level) {
  s_refuse(level == 0 ? "Option has been deprecated.  Please use -On-." : "Option has been deprecated.  Please use -On+.");
  do_banking_optimizations = level == 0 ? 0 : 1;
}

// Acts on the code of an option that popt does not handle by itself; arg is
// the option's argument, if any. Returns the new result.
static int s_act(int code, const char *arg, int result) {
  switch (code) {
  case CMD_HELP: cmd_show_help(); return -1;
  case CMD_DEFINE: return s_add_define(arg, result);
  case CMD_INCLUDE: return s_add_include(arg, result);
  case CMD_ERROR_FILE: _error_file_name = s_keep_name(&s_error_name, arg); return result;
  case CMD_OBJECT_FILE: _object_file_name = s_keep_name(&s_object_name, arg); return result;
  case CMD_PROCESSOR: return s_select_processor(arg, result);
  case CMD_SMALL_MODEL: s_memory_model(0); return result;
  case CMD_LARGE_MODEL: s_memory_model(3); return result;
  case CMD_OVERLAY_LOCALS:
    printf("Warning [2025] default overlay locals is unsupported in extended mode, -sco ignored\n");
    return result;
  case CMD_STATIC_LOCALS:
    printf("Warning [2026] default static locals is unsupported in extended mode, -scs ignored\n");
    return result;
  case CMD_AUTO_LOCALS:
    printf("Warning [2027] default auto locals is redundant in extended mode, -sca ignored\n");
    return result;
  case CMD_OL: printf("Warning [2028] default static locals is unsupported in extended mode, -Ol ignored\n"); return result;
  case CMD_OA: printf("Warning [2029] default access RAM is unsupported in extended mode, -Oa ignored\n"); return result;
  case CMD_SUPPRESS: s_suppress(arg); return result;
  case CMD_MESSAGE_LIST: show_message_list(); return -1;
  case CMD_MESSAGE_ALL: show_message_help(0); return -1;
  case CMD_MESSAGE_HELP: return s_message_help(arg);
  case CMD_DUMP_BLOCKS: dump_assembly_level_basic_blocks = 1; return result;
  case CMD_ON0: s_deprecated_banking(0); return result;
  case CMD_ON1:
  case CMD_ON2: s_deprecated_banking(1); return result;
  case CMD_EXTENDED: return result;  // extended mode is the only mode
  case CMD_NO_EXTENDED:
    printf("Fatal [102] --no-extended cannot be specified to the extended mode compiler\n");
    return 0;
  default:
    printf("Unhandled argument\n");
    fflush(stdout);
    VELC_ASSERT(!"option code without an action");
    return 0;
  }
}

// The checks after the last option, in order; the first failure refuses.
static int s_check_settings(int result) {
  if (error_level < 1 || error_level > 3) {
    printf("Warning level must be 1, 2, or 3\n");
    return 0;
  }
  if (procedural_abstraction_count < 0) {
    printf("Procedural abstraction repeat count must be greater than 0\n");
    return 0;
  }
  if (procedural_abstraction_count == 0)
    printf("-pa=0 specified; disabling procedural abstraction\n");
  return result;
}

int cmd_parse_args() {
  if (!s_context)
    return 0;
  int result = 1;
  int code;
  while ((code = poptGetNextOpt(s_context)) > 0) {
    char *arg = poptGetOptArg(s_context);
    result = s_act(code, arg, result);
    free(arg);
  }
  if (code < -1) {
    printf("%s:  %s\n", poptBadOption(s_context, POPT_BADOPTION_NOALIAS), poptStrerror(code));
    result = 0;
  } else if (s_unknown_word) {
    printf("%s:  %s\n", s_unknown_word, poptStrerror(POPT_ERROR_BADOPT));
    result = 0;
  } else {
    result = s_check_settings(result);
  }
  _source_file_name = poptGetArg(s_context);
  return result;
}
