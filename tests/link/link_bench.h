// Fixture for linker tests: adds built objects, links for the generic
// device, and runs the image in the simulator.
#ifndef VELC_TESTS_LINK_LINK_BENCH_H
#define VELC_TESTS_LINK_LINK_BENCH_H

#include <memory>

#include "device/processors.h"
#include "link/link.h"
#include "tests/link/obj_builder.h"

struct LinkBench : ::testing::Test {
  Linker l;
  std::unique_ptr<SimMachine> m = std::make_unique<SimMachine>();
  LinkBench() { link_init(l, LinkOptions{PROC_GENERIC_ID, 128, true}); }
  ~LinkBench() override { link_free(l); }
  void add(const ObjBuilder &b, const char *name) { link_add_coff(l, name, b.build(name)); }
  bool link() { return link_run(l); }
  uint32_t addr(const std::string &name) {
    uint32_t a = 0;
    bool program = false;
    EXPECT_TRUE(link_lookup(l, name, a, program)) << name;
    return a;
  }
  uint16_t word(uint32_t address) {
    auto lo = l.image.find(address), hi = l.image.find(address + 1);
    EXPECT_TRUE(lo != l.image.end() && hi != l.image.end()) << std::hex << address;
    if (lo == l.image.end() || hi == l.image.end()) return 0;
    return (uint16_t)(lo->second | hi->second << 8);
  }
  // Loads the image (fill pattern 0xA5 so that missed initialisation shows) and runs it.
  SimOutcome run(uint64_t limit = 1000000) {
    sim_init(*m, 0xA5);
    for (const auto &b : l.image) sim_load(*m, b.first, &b.second, 1);
    m->cycle_limit = limit;
    return sim_run(*m);
  }
  bool has_error(const std::string &fragment) {
    for (const std::string &e : l.errors)
      if (e.find(fragment) != std::string::npos) return true;
    return false;
  }
  std::string all_errors() {
    std::string s;
    for (const std::string &e : l.errors) s += e + "\n";
    return s;
  }
};

// A main that returns a literal: MOVLW k; RETURN 0.
inline ObjBuilder main_returning(uint8_t k, const std::string &section = ".code_main") {
  ObjBuilder b;
  int code = b.section(section, 1);
  Asm a;
  a.op(MOVLW, k);
  a.op(RETURN, 0);
  b.code(code, a);
  b.symbol("main", code, 0);
  return b;
}

#endif
