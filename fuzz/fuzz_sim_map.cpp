// Fuzz target of harrow-sim's map reader. In: the text of a map file as
// harrow-link writes it. Out: nothing; whatever the text, the "Symbols:"
// table is read as far as it makes sense, never a crash or a hang.
#include <cstdint>
#include <map>
#include <string>

#include "sim/symmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::map<std::string, MapSymbol> symbols;
  symmap_parse(std::string(reinterpret_cast<const char *>(data), size), symbols);
  return 0;
}
