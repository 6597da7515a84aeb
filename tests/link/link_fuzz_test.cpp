// Robustness: objects with damaged relocations and symbols link to errors,
// never to a crash or an out-of-bounds access.
#include <random>

#include "tests/link/link_bench.h"

TEST(LinkFuzz, DamagedRelocationsAndSymbolsGiveErrors) {
  std::mt19937 rng(777);
  int failed_links = 0;
  for (int round = 0; round < 200; ++round) {
    ObjBuilder b = main_returning(0);
    int code = b.section(".code", 1);
    Asm a;
    for (int i = 0; i < 8; ++i) a.op(MOVLW, i);
    b.code(code, a);
    int u = b.section(".udata", 3);
    b.reserve(u, 4);
    int id = b.section(".idata", 2);
    b.data(id, {1, 2, 3});
    b.symbol("v", u, 1);
    b.external("ext");
    for (int i = 0; i < 6; ++i) {
      int sec = 1 + (int)(rng() % 4);
      b.reloc(sec, rng() % 24, rng() % 8, (uint16_t)(rng() % 34), (int16_t)rng());
    }
    b.syms[rng() % b.syms.size()].section = (int)(rng() % 8) - 2;
    b.syms[rng() % b.syms.size()].value = rng();
    Linker l;
    link_init(l, LinkOptions{PROC_GENERIC_ID, 64, rng() % 2 == 0});
    link_add_coff(l, "fuzz.o", b.build("fuzz.o"));
    if (!link_run(l)) {
      ++failed_links;
      EXPECT_FALSE(l.errors.empty());
      EXPECT_TRUE(l.image.empty());
    }
    std::string map = link_map_text(l, "fuzz.hex");
    EXPECT_NE(map.find("Symbols:"), std::string::npos);
    link_free(l);
  }
  EXPECT_GT(failed_links, 100);
}
