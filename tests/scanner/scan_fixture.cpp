// Shared helpers of the scanner tests.
#include "scan_fixture.h"

#include <sys/resource.h>

#include <cstdlib>
#include <cstring>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/paths.h"
#include "driver/settings.h"
#include "opt/varlocate.h"

// No test of this program can write without bound: the diagnostics that a
// test captures go to a temporary file, so a scanner caught in a loop would
// fill the disk. Every file the process writes stops at 64 MB (the write
// beyond ends the process with SIGXFSZ, which fails the test).
static const bool s_output_limited = [] {
  rlimit limit{};
  if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
    return false;
  const rlim_t cap = rlim_t{64} << 20;
  if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > cap)
    limit.rlim_cur = cap;
  return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}();

scanned take_token(int code) {
  scanned token{};
  token.code = code;
  token.line = yylineno;
  token.column = yycolumn;
  switch (code) {
  case TOK_IDENTIFIER:
  case TOK_ASM_LABEL:
    token.text = yylval.ident;
    free(yylval.ident);
    break;
  case TOK_TYPEDEF_NAME:
    token.text = yylval.tname.name;
    free(yylval.tname.name);
    break;
  case TOK_STRING_LITERAL:
    token.text.assign(yylval.string.bytes, static_cast<size_t>(yylval.string.count));
    free(yylval.string.bytes);
    break;
  case TOK_ASM_MNEMONIC:
    token.text = yylval.mnemonic.text;
    token.line = yylval.mnemonic.line;
    free(yylval.mnemonic.text);
    free(yylval.mnemonic.file);
    break;
  case TOK_CONSTANT:
  case TOK_FLOAT_CONSTANT: token.constant = yylval.cnst; break;
  case TOK_PRAGMA: {
    char buffer[512];
    token.pragma = pragma_record_format(&yylval.pragma, buffer, sizeof buffer);
    token.record = yylval.pragma;
    pragma_record_free(&yylval.pragma);
    break;
  }
  default: break;
  }
  return token;
}

std::vector<scanned> scan_all(const std::string &source, size_t limit) {
  scan_from_bytes(source.data(), source.size());
  std::vector<scanned> tokens;
  for (int code = yylex(); code != 0 && tokens.size() < limit; code = yylex())
    tokens.push_back(take_token(code));
  return tokens;
}

std::vector<int> codes_of(const std::vector<scanned> &tokens) {
  std::vector<int> codes;
  for (const scanned &token : tokens)
    codes.push_back(token.code);
  return codes;
}

std::string diag_line(const char *kind, long number, long line, const std::string &text) {
  char path[VELC_PATH_MAX + 1];
  velc_fullpath(path, yyfilename, sizeof path);
  return std::string(path) + ":" + std::to_string(line) + ":" + kind + " [" + std::to_string(number) +
         "] " + text + "\n";
}

void ScanTest::SetUp() {
  maxerror = 1000000;
  error_level = 3;
  memory_model = 0;
  generic_processor_flag = 1;
  yylineno = 1;
  snprintf(yyfilename, sizeof yyfilename, "%s", "t.c");
  pragma_reset_save_flags();
  dependent_file_list = list_create(sizeof(char *));
  ASSERT_EQ(yyinitlex(), 0);
}

static void s_free_name(void *record) { free(*static_cast<char **>(record)); }

void ScanTest::TearDown() {
  yyuninitlex();
  list_free(dependent_file_list, s_free_name);
  dependent_file_list = nullptr;
  opt_varlocate_clear();
  EXPECT_EQ(pragma_pool_live_count(), 0u) << "a pragma record kept a pooled string";
  pragma_pool_clear();
}
