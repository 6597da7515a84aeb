// "#pragma config" settings: SETTING=VALUE pairs looked up in the selected
// device's configuration tables. In: the tokens after "config". Out: the
// located settings in word 3 of the record, or 0 with a message. No device
// carries configuration tables yet, so every setting name is unknown (1224)
// and the whole line is dropped, as for a device without tables.
#include <string>

#include "driver/diag.h"
#include "front/pragma.h"
#include "front/pragma_private.h"
#include "front/scan.h"

// The configuration setting of this name on the selected device; none while
// no device has tables.
static const void *s_locate_setting(const std::string &name) {
  (void)name;
  return nullptr;
}

int s_parse_pragma_config(pragma_record *record) {
  record->kind = PRAGMA_CONFIG;
  std::string name = pragma_at_line_end() ? "" : pragma_token_text();
  if (!s_locate_setting(name))
    return pragma_fail(1224, name.c_str());
  return pragma_fail(1224, name.c_str());
}
