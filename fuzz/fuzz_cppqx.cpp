// Fuzz target of the preprocessor. In: one input cut at "\n@@\n" lines into
// a source file main.c, a header inc.h beside it (#include "inc.h") and a
// header sys.h in the system folder (#include <sys.h>). Out: nothing; the
// run must end with the output written or the diagnostics reported, and
// leave a clean state (no open conditional, the main file alone on the
// include stack, no argument pre-expansion left) for the next input.
#include <cstdint>

#include "cppqx/pp.h"
#include "driver/diag.h"
#include "fuzz/fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string &dir = fuzz_scratch_dir();
  std::vector<std::string_view> parts = fuzz_split(data, size, "\n@@\n", 3);
  const std::string source = dir + "/main.c";
  fuzz_write_file(source, parts[0]);
  fuzz_write_file(dir + "/inc.h", parts[1]);
  fuzz_write_file(dir + "/sys/sys.h", parts[2]);
  diag_reset();
  snprintf(yyfilename, sizeof yyfilename, "%s", source.c_str());
  yylineno = 0;
  Pp *pp = new Pp;
  pp->include_dirs = {dir};
  pp->system_dirs = {dir + "/sys"};
  bool fatal = false;
  try {
    mac_predefine(*pp);
    mac_define_option(*pp, "FUZZ=1");
    bool is_dir;
    lex_load(*pp, source, &is_dir);
    if (!out_open(*pp, "/dev/null"))
      abort();
    pp_run(*pp, source);
  } catch (const FatalUnwind &) {
    fatal = true;
  }
  out_close(*pp);
  if (!fatal && (!pp->conds.empty() || pp->stack.size() != 1 || pp->arg_depth != 0 || pp->in_args))
    abort();
  delete pp;
  return 0;
}
