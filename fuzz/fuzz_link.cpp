// Fuzz target of harrow-link on a pair of objects. In: the bytes of two
// object files separated by the 8 bytes "VELCLINK" (an input of odd length
// also asks for the start-up code). Out: nothing; the link ends with an
// image or with errors, its HEX text reads back, and the map is written in
// either case.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "device/processors.h"
#include "fuzz/fuzz_common.h"
#include "link/link.h"
#include "object/coff.h"
#include "sim/ihex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::vector<std::string_view> parts = fuzz_split(data, size, "VELCLINK", 2);
  Linker l;
  link_init(l, LinkOptions{PROC_GENERIC_ID, 64, (size & 1) != 0});
  bool read = true;
  const char *names[] = {"a.o", "b.o"};
  for (int i = 0; i < 2; i++) {
    coff_file *coff = coff_read_bytes(names[i], reinterpret_cast<const uint8_t *>(parts[i].data()), parts[i].size());
    if (coff)
      link_add_coff(l, names[i], coff);
    else
      read = false;
  }
  if (read && link_run(l)) {
    std::string hex = ihex_format(l.image), error;
    size_t bytes = 0;
    if (!ihex_parse(hex, "fuzz.hex", [&](uint32_t, const uint8_t *, size_t n) { bytes += n; }, error) ||
        bytes != l.image.size())
      abort();
  }
  std::string map = link_map_text(l, "fuzz.hex");
  link_free(l);
  return 0;
}
