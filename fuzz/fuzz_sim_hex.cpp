// Fuzz target of harrow-sim's HEX reader and, for a file it accepts, of the
// simulator itself. In: the text of an Intel HEX file. Out: nothing; the
// reader accepts or refuses with a message, and an accepted image is loaded
// and run from reset for at most 2,000 cycles, which must end with an
// outcome, never a crash.
#include <cstdint>
#include <string>

#include "sim/ihex.h"
#include "sim/sim.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static SimMachine *m = new SimMachine;
  std::string text(reinterpret_cast<const char *>(data), size), error;
  std::vector<std::pair<uint32_t, std::string>> records;
  bool ok = ihex_parse(text, "fuzz.hex", [&](uint32_t a, const uint8_t *b, size_t n) {
    records.emplace_back(a, std::string(reinterpret_cast<const char *>(b), n));
  }, error);
  if (!ok || records.empty())
    return 0;
  sim_init(*m, 0);
  for (const auto &[address, bytes] : records)
    sim_load(*m, address, reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
  sim_reset(*m);
  m->cycle_limit = 2000;
  sim_run(*m);
  return 0;
}
