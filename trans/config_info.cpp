// Configuration data. In: the selected device's configuration bytes after
// the unit's "#pragma config" settings were merged into them, and the symbol
// table. Out: for each byte with specified bits, in table order, an absolute
// romdata section ".config_%lx_%s" at the byte's address holding one
// initialised "__config_%d" object with the byte's value, so that the object
// file carries it. A unit that also declares _configuration (the older way
// of giving configuration data) gets message 1226 at that declaration
// instead, and no configuration objects.
#include <cstdio>
#include <string>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/paths.h"
#include "front/pragma_config.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

// The current position, put back when the scope ends (a message can unwind).
namespace {
struct SavedPosition {
  long line = yylineno;
  std::string file = yyfilename;
  ~SavedPosition() {
    yylineno = line;
    snprintf(yyfilename, sizeof yyfilename, "%s", file.c_str());
  }
};
}  // namespace

// 1226 at the file and line of the _configuration declaration.
static void s_report_both(const SymbolRecord *old_style) {
  SavedPosition saved;
  yylineno = old_style->line;
  snprintf(yyfilename, sizeof yyfilename, "%s", old_style->file ? old_style->file : "");
  post_error(1226);
}

static void s_config_object(const config_byte &byte) {
  char name[300];
  snprintf(name, sizeof name, ".config_%lx_%s", static_cast<unsigned long>(byte.address),
           pathfile(getObjectFileName()));
  sym_enter_section(SECTION_ROMDATA, name, false, false, false, true, static_cast<long>(byte.address));
  SymbolRecord *sym = sym_config_symbol();
  ll_initialize_bytes(sym, &byte.value, 1);
  sym->decl_flags |= DECL_INITIALISED;
  sym_declare_symbol(sym, true, 0, "");
}

void pragma_config_generate_info() {
  const SymbolRecord *old_style = sym_lookup_sym("_configuration", 2);
  const SectionRecord *romdata = sym_get_current_romdata_scn();
  bool entered = false;
  for (int i = 0; i < number_of_config_bytes; i++) {
    if (!config_bytes[i].specified)
      continue;
    if (old_style) {
      s_report_both(old_style);
      break;
    }
    s_config_object(config_bytes[i]);
    entered = true;
  }
  // Later objects go where they went before; nothing to restore when no
  // configuration section was entered.
  if (entered)
    sym_enter_section(SECTION_ROMDATA, romdata->name, romdata->attributes & SCN_SHARED,
                      romdata->attributes & SCN_OVERLAY, romdata->attributes & SCN_ACCESS, false, 0);
}
