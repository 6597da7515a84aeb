// Fuzz target of the whole compiler after preprocessing: parse, translation,
// code generation, optimisation, branch resolution and the object file, run
// by the driver's own pipeline over preprocessed text in memory. In: the
// bytes of a preprocessed file. Out: nothing; every run ends with an object
// file or with diagnostics, an object it wrote must read back, and
// phase_reset leaves nothing behind for the next input (the records of the
// tree, type, statement, output-code and instruction pools are counted).
// With VELC_FUZZ_TWICE=1 in the environment every input is compiled twice
// and the two results (error count, object bytes) must agree: state left
// over from one compilation shows up as a difference.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/phases.h"
#include "driver/settings.h"
#include "fuzz/fuzz_common.h"
#include "front/hl.h"
#include "gen/inst.h"
#include "gen/ocode.h"
#include "object/coff.h"
#include "trans/pcodell.h"
#include "trans/type.h"

static std::string s_object_path;

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  s_object_path = fuzz_scratch_dir() + "/fuzz.o";
  setenv("SOURCE_DATE_EPOCH", "0", 1);  // the object's time stamp, fixed for the comparison
  SetProcessor(processor);
  phase_config_initialize();
  return 0;
}

struct s_result {
  uint32_t errors;
  std::string object;
};

static std::string s_read_all(const std::string &path) {
  std::string bytes;
  FILE *fp = fopen(path.c_str(), "rb");
  if (!fp)
    return bytes;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, fp)) > 0;)
    bytes.append(buf, n);
  fclose(fp);
  return bytes;
}

static size_t s_live_records() {
  return hl_live_records() + type_live_records() + pcodell_live_records() + ocode_live_records() + inst_live_records();
}

static s_result s_compile(const uint8_t *data, size_t size) {
  size_t live = s_live_records();
  snprintf(yyfilename, sizeof yyfilename, "%s", "fuzz.c");
  snprintf(sfile, sizeof sfile, "%s", "/fuzz/fuzz.c");
  snprintf(ofile, sizeof ofile, "%s", s_object_path.c_str());
  snprintf(basefilename, sizeof basefilename, "%s", "fuzz");
  yylineno = 1;
  dependent_file_list = list_create(sizeof(char *));
  // fmemopen refuses an empty buffer on some C libraries: give it one byte
  // and a length of zero then.
  static const char empty = 0;
  FILE *in = fmemopen(size ? const_cast<uint8_t *>(data) : (uint8_t *)&empty, size ? size : 1, "r");
  if (!in)
    abort();
  if (!size)
    fgetc(in);
  driver_set_preprocessed_input(in);
  unlink(ofile);
  phase_parser_init();
  try {
    run_phases();
  } catch (const FatalUnwind &) {
  }
  s_result r{get_error_count(), s_read_all(s_object_path)};
  phase_reset();
  list_free(dependent_file_list, [](void *record) { free(*static_cast<char **>(record)); });
  dependent_file_list = nullptr;
  if (s_live_records() != live) {
    fprintf(stderr, "fuzz_compile: %zu pool records left behind\n", s_live_records() - live);
    abort();
  }
  fclose(in);
  driver_set_preprocessed_input(nullptr);
  if (!r.object.empty()) {
    coff_file *file = coff_read_bytes("fuzz.o", reinterpret_cast<const uint8_t *>(r.object.data()), r.object.size());
    if (!file) {
      fprintf(stderr, "fuzz_compile: the object written does not read back\n");
      abort();
    }
    coff_free(file);
  }
  return r;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const bool twice = getenv("VELC_FUZZ_TWICE") && *getenv("VELC_FUZZ_TWICE") == '1';
  s_result first = s_compile(data, size);
  if (twice) {
    s_result second = s_compile(data, size);
    if (first.errors != second.errors || first.object != second.object) {
      fprintf(stderr, "fuzz_compile: second compilation differs: errors %u/%u, object %zu/%zu bytes\n",
              first.errors, second.errors, first.object.size(), second.object.size());
      abort();
    }
  }
  return 0;
}
