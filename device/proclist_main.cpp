// proclist: prints the device listing (docs/devices.md) generated from the
// processor table. No arguments; exit status 0, or 1 when given any argument
// or when standard output cannot be written.
#include <cstdio>
#include <string>

#include "device/proc_listing.h"

int main(int argc, char **argv) {
  if (argc > 1) {
    fprintf(stderr, "usage: %s > docs/devices.md\n", argv[0]);
    return 1;
  }
  std::string text = proc_listing_markdown();
  if (fwrite(text.data(), 1, text.size(), stdout) != text.size() || fflush(stdout) != 0) return 1;
  return 0;
}
