// The --help-config listing. In: the current processor's configuration
// tables. Out: on standard output, a heading naming the processor, then for
// every setting in table order its description and one line per value
// ("SETTING = VALUE" and the value's description), and an empty line. A
// device without tables gets the heading alone.
#include <cstdio>

#include "device/processors.h"
#include "driver/settings.h"
#include "front/pragma_config.h"

static void s_print_setting(const config_setting *setting) {
  printf("  %s:\n", setting->description);
  for (const config_value *v = setting->values; v && v->name; v++) {
    char text[64];
    snprintf(text, sizeof text, "%s = %s", setting->name, v->name);
    printf("    %-15s\t%s\n", text, v->description);
  }
  printf("\n");
}

void pragma_config_help() {
  int count = 0;
  const config_byte *bytes = get_config_bytes(processor, &count);
  printf("Configuration settings available for processor %s\n", getDvsProcName(processor));
  for (int i = 0; bytes && i < count; i++)
    for (const config_setting *s = bytes[i].settings; s && s->name; s++)
      s_print_setting(s);
}
