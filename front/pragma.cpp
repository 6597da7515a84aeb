// Pragma lines: reads the rest of a "#pragma" line through the scanner's
// directive state with a one-token lookahead and fills the pragma record.
// In: the tokens of one directive line. Out: 1 when the record must reach
// the parser (section, interrupt, tmpdata, config), 0 when the pragma took
// effect here (varlocate), was ignored (list, nolist, unknown) or failed.
// Every handler ends with the lookahead dropped.
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "front/pragma.h"
#include "front/pragma_private.h"
#include "front/scan.h"
#include "opt/varlocate.h"

int yylookahead = -1;

void advance() { yylookahead = yylex(); }

int match(int token) {
  if (yylookahead == -1)
    advance();
  return yylookahead == token;
}

void resetlookahead() { yylookahead = -1; }

const char *pragma_token_text() { return scan_directive_token()->text; }

int pragma_at_line_end() { return match(SCAN_EOL) || match(SCAN_END); }

void pragma_skip_line() {
  while (!pragma_at_line_end())
    resetlookahead();
  resetlookahead();
}

int pragma_fail(long number, const char *argument) {
  if (number)
    post_error(number, argument);
  pragma_skip_line();
  return 0;
}

// Attributes "access" and "overlay" in any order; a repeat reports 1014.
static int s_section_attributes(pragma_record *record) {
  int given = 0;
  for (;;) {
    uint32_t *flag;
    const char *word;
    if (match(SCAN_IDENTIFIER) && strcmp(pragma_token_text(), "access") == 0) {
      flag = &record->u.section.access;
      word = "access";
    } else if (match(scan_keyword_code("overlay"))) {
      flag = &record->u.section.overlay;
      word = "overlay";
    } else {
      return given;
    }
    if (*flag)
      post_error(1014, word);
    *flag = 1;
    given = 1;
    resetlookahead();
  }
}

// code | idata | udata | romdata [access] [overlay] [name [= address]]
static int s_pragma_section(pragma_record *record, uint32_t type) {
  record->kind = PRAGMA_SECTION;
  record->u.section.type = type;
  int attributes = s_section_attributes(record);
  if (!attributes && pragma_at_line_end()) {
    resetlookahead();
    return 1;
  }
  if (!match(SCAN_IDENTIFIER))
    return pragma_fail(1013, nullptr);
  record->u.section.name = pragma_pool_text(pragma_token_text());
  resetlookahead();
  if (match('=')) {
    resetlookahead();
    if (!match(SCAN_CONSTANT))
      return pragma_fail(0, nullptr);  // "=" with no number: no effect, no message
    record->u.section.has_address = 1;
    record->u.section.address = scan_directive_token()->constant.value.u;
    resetlookahead();
  }
  if (!pragma_at_line_end())
    return pragma_fail(1013, nullptr);
  resetlookahead();
  return 1;
}

// tmpdata [name]: whatever follows the name is left to the normal scanner.
static int s_pragma_tmpdata(pragma_record *record) {
  record->kind = PRAGMA_TMPDATA;
  if (match(SCAN_IDENTIFIER))
    record->u.tmpdata.section = pragma_pool_text(pragma_token_text());
  resetlookahead();
  return 1;
}

// varlocate bank name, ... | varlocate "section" name, ...
// The entries are handed over only when the whole line is valid.
static int s_pragma_varlocate() {
  int is_bank = match(SCAN_CONSTANT);
  if (!is_bank && !match(SCAN_STRING))
    return pragma_fail(1013, nullptr);
  uint32_t bank = scan_directive_token()->constant.value.u & 0xFF;
  std::string section = is_bank ? "" : pragma_token_text();
  resetlookahead();
  std::vector<std::string> names;
  do {
    if (!names.empty())
      resetlookahead();  // the comma
    if (!match(SCAN_IDENTIFIER))
      return pragma_fail(1013, nullptr);
    names.emplace_back(pragma_token_text());
    resetlookahead();
  } while (match(','));
  if (!pragma_at_line_end())
    return pragma_fail(1013, nullptr);
  resetlookahead();
  for (const std::string &name : names) {
    if (is_bank)
      opt_varlocate_bank(name.c_str(), bank);
    else
      opt_varlocate_section(name.c_str(), section.c_str());
  }
  return 0;
}

static int s_pragma_config(pragma_record *record) {
  if (generic_processor_flag)
    return pragma_fail(1227, nullptr);
  record->kind = PRAGMA_CONFIG;
  int result = s_parse_pragma_config(record);
  resetlookahead();
  return result;
}

static uint32_t s_section_type(const char *word) {
  static const char *const words[] = {"code", "idata", "udata", "romdata"};
  for (uint32_t i = 0; i < 4; i++)
    if (strcmp(word, words[i]) == 0)
      return PRAGMA_SECTION_CODE + i;
  return 0;
}

static int s_dispatch(pragma_record *record, const std::string &word) {
  resetlookahead();
  if (word == "list" || word == "nolist")
    return pragma_fail(0, nullptr);
  if (uint32_t type = s_section_type(word.c_str()))
    return s_pragma_section(record, type);
  if (word == "tmpdata")
    return s_pragma_tmpdata(record);
  if (word == "interrupt" || word == "interruptlow")
    return pragma_interrupt(record, word == "interrupt");
  if (word == "varlocate")
    return s_pragma_varlocate();
  if (word == "config")
    return s_pragma_config(record);
  return pragma_fail(2002, word.c_str());
}

int pragma_directive(pragma_record *record) {
  *record = pragma_record{};
  record->line = static_cast<uint32_t>(yylineno);
  resetlookahead();
  if (!match(SCAN_IDENTIFIER))
    return pragma_fail(0, nullptr);
  int result = s_dispatch(record, pragma_token_text());
  resetlookahead();
  if (result)
    record->file = pragma_pool_text(yyfilename);
  else
    pragma_record_free(record);
  return result;
}
