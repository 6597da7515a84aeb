// Cost of the run-time helpers. In: the Intel HEX image and map of a program
// linked with the run-time library (the build makes build/bench/rt/rt.hex),
// and optionally the number of random operand pairs per wider helper. Out: a
// table of words and cycles per helper (least, mean, most, from the CALL to
// the instruction after it) over every 8-bit operand pair and random pairs
// of random bit lengths, a third negated, for the wider ones; each result is
// checked against the host, and any mismatch makes the exit status 1. The
// floating-point helpers run on random encodings (any bits, numbers near 1,
// the integers' range) and integers of random bit lengths, checked against
// the host's float.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "sim/sim.h"
#include "sim/symmap.h"

namespace {

struct Stats {
  uint64_t least = ~0ull, most = 0, sum = 0, count = 0;
  void add(uint64_t c) { least = std::min(least, c), most = std::max(most, c), sum += c, ++count; }
};

struct Bench {
  std::unique_ptr<SimMachine> m = std::make_unique<SimMachine>();
  std::map<std::string, uint32_t> at;
  int wrong = 0;

  // Calls a helper with the operand bytes on the stack; the result bytes and the cycles.
  std::vector<uint8_t> call(const std::string &helper, const std::vector<uint8_t> &in, size_t out, uint64_t &cycles) {
    SimMachine &s = *m;
    const unsigned base = 0x300;
    for (size_t i = 0; i < in.size(); ++i) s.dm[base + i] = in[i];
    sim_set_fsr(s, 1, base + (unsigned)in.size());
    sim_set_fsr(s, 2, 0x2F0);
    s.pc = at[helper];
    s.sp = 1;
    s.stack[1] = 0;  // returns to the HALT at address 0
    s.stop = false;
    s.outcome = SIM_RUNNING;
    s.cycles = 0;
    s.next_event = 0;
    s.cycle_limit = 1000000;
    sim_run(s);
    cycles = s.cycles - 1 + 2;  // without the HALT, with the CALL
    bool ok = (s.outcome == SIM_PASS || s.outcome == SIM_HALT_NONZERO) && sim_fsr(s, 1) == base + out &&
              sim_fsr(s, 2) == 0x2F0;
    if (!ok) ++wrong;
    return std::vector<uint8_t>(s.dm + base, s.dm + base + out);
  }
  uint64_t value(const std::vector<uint8_t> &b) {
    uint64_t v = 0;
    for (size_t i = 0; i < b.size(); ++i) v |= (uint64_t)b[i] << (8 * i);
    return v;
  }
  void check(const char *helper, uint64_t got, uint64_t want, uint64_t a, uint64_t b) {
    if (got == want) return;
    if (++wrong <= 10)
      fprintf(stderr, "%s(0x%llx, 0x%llx) = 0x%llx, not 0x%llx\n", helper, (unsigned long long)a, (unsigned long long)b,
              (unsigned long long)got, (unsigned long long)want);
  }
};

std::vector<uint8_t> s_bytes(uint64_t a, uint64_t b, int n) {
  std::vector<uint8_t> v;
  for (int i = 0; i < n; ++i) v.push_back((uint8_t)(a >> (8 * i)));
  for (int i = 0; i < n; ++i) v.push_back((uint8_t)(b >> (8 * i)));
  return v;
}

void s_row(const std::string &name, const Stats &s) {
  printf("| `%s` | %llu | %.0f | %llu |\n", name.c_str(), (unsigned long long)s.least, (double)s.sum / s.count,
         (unsigned long long)s.most);
}

void s_divisions(Bench &b, int pairs) {
  std::mt19937_64 rng(7);
  for (int n = 1; n <= 4; ++n)
    for (int sg = 0; sg < 2; ++sg) {
      std::string w = n == 1 ? "08" : std::to_string(8 * n), suffix = sg ? "s" : "u";
      std::string div = "__div" + w + suffix, mod = "__mod" + w + suffix;
      uint64_t mask = (1ull << (8 * n)) - 1;
      Stats sd, sm;
      long total = n == 1 ? 65536 : pairs;
      for (long k = 0; k < total; ++k) {
        uint64_t a, d;
        if (n == 1) {
          a = (uint64_t)k >> 8, d = (uint64_t)k & 0xFF;
        } else {
          auto pick = [&]() {
            int len = (int)(rng() % (8 * n + 1));
            uint64_t v = len ? (rng() & ((1ull << len) - 1)) | 1ull << (len - 1) : 0;
            return rng() % 3 == 0 ? (~v + 1) & mask : v;
          };
          a = pick(), d = pick();
        }
        if (d == 0) continue;
        int shift = 64 - 8 * n;
        int64_t x = sg ? (int64_t)(a << shift) >> shift : (int64_t)a, y = sg ? (int64_t)(d << shift) >> shift : (int64_t)d;
        uint64_t q = sg ? (uint64_t)(x / y) & mask : a / d, r = sg ? (uint64_t)(x % y) & mask : a % d;
        uint64_t c;
        b.check(div.c_str(), b.value(b.call(div, s_bytes(a, d, n), n, c)), q, a, d);
        sd.add(c);
        b.check(mod.c_str(), b.value(b.call(mod, s_bytes(a, d, n), n, c)), r, a, d);
        sm.add(c);
      }
      s_row(div, sd);
      s_row(mod, sm);
    }
}

void s_others(Bench &b, int pairs) {
  std::mt19937_64 rng(11);
  for (int n = 2; n <= 4; ++n) {
    std::string name = "__mul" + std::to_string(8 * n);
    uint64_t mask = (1ull << (8 * n)) - 1;
    Stats s;
    for (int k = 0; k < pairs; ++k) {
      uint64_t x = rng() & mask, y = rng() & mask, c;
      b.check(name.c_str(), b.value(b.call(name, s_bytes(x, y, n), n, c)), (x * y) & mask, x, y);
      s.add(c);
    }
    s_row(name, s);
  }
  Stats s;
  for (uint64_t e = 0; e < 256; ++e) {
    uint64_t c;
    b.check("__pow2x16", b.value(b.call("__pow2x16", {(uint8_t)e}, 2, c)), e < 16 ? 1ull << e : 0, e, 0);
    s.add(c);
  }
  s_row("__pow2x16", s);
}

float s_float(uint64_t bits) {
  uint32_t u = (uint32_t)bits;
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

uint64_t s_bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, 4);
  return u;
}

// Random encodings: any bits, or numbers from 2^-15 to 2^32 of either sign.
uint64_t s_random_float(std::mt19937_64 &rng) {
  uint32_t r = (uint32_t)rng();
  return rng() % 2 ? r : (r & 0x807FFFFF) | ((112u + (r >> 27) % 48u) << 23);
}

void s_floats(Bench &b, int pairs) {
  std::mt19937_64 rng(13);
  const char *operations[] = {"__addFP", "__subFP", "__mulFP", "__divFP"};
  for (int k = 0; k < 4; ++k) {
    Stats s;
    for (int i = 0; i < pairs; ++i) {
      uint64_t x = s_random_float(rng), y = s_random_float(rng), c;
      float fx = s_float(x), fy = s_float(y), z = k == 0 ? fx + fy : k == 1 ? fx - fy : k == 2 ? fx * fy : fx / fy;
      b.check(operations[k], b.value(b.call(operations[k], s_bytes(x, y, 4), 4, c)),
              std::isnan(z) ? 0x7FC00000 : s_bits(z), x, y);
      s.add(c);
    }
    s_row(operations[k], s);
  }
  const char *relations[] = {"__ltFP", "__gtFP", "__eqFP", "__ltuFP", "__gtuFP"};
  for (int k = 0; k < 5; ++k) {
    Stats s;
    for (int i = 0; i < pairs; ++i) {
      uint64_t x = s_random_float(rng), y = rng() % 4 ? s_random_float(rng) : x ^ (rng() % 2) << 31, c;
      float fx = s_float(x), fy = s_float(y);
      bool want = k == 0 ? fx < fy : k == 1 ? fx > fy : k == 2 ? fx == fy : k == 3 ? !(fx >= fy) : !(fx <= fy);
      b.check(relations[k], b.value(b.call(relations[k], s_bytes(x, y, 4), 1, c)), want, x, y);
      s.add(c);
    }
    s_row(relations[k], s);
  }
  for (int n = 1; n <= 4; ++n)
    for (int sg = 0; sg < 2; ++sg) {
      std::string name = "__cast" + std::string(n == 1 ? "08" : std::to_string(8 * n)) + (sg ? "s" : "u") + "FP";
      Stats s;
      int shift = 64 - 8 * n;
      for (int i = 0; i < pairs; ++i) {
        int len = (int)(rng() % (8 * n + 1));
        uint64_t v = len ? (rng() & ((1ull << len) - 1)) | 1ull << (len - 1) : 0, c;
        if (sg && rng() % 2) v = (~v + 1) & ((1ull << (8 * n)) - 1);
        float want = sg ? (float)((int64_t)(v << shift) >> shift) : (float)v;
        std::vector<uint8_t> in = s_bytes(v, 0, n);
        in.resize(n);
        b.check(name.c_str(), b.value(b.call(name, in, 4, c)), s_bits(want), v, 0);
        s.add(c);
      }
      s_row(name, s);
    }
  for (int n = 1; n <= 4; ++n) {
    std::string name = "__castFP" + std::string(n == 1 ? "08" : std::to_string(8 * n));
    Stats s;
    for (int i = 0; i < pairs; ++i) {
      uint64_t x = s_random_float(rng), c;
      float f = s_float(x);
      uint64_t want = !std::isfinite(f) || std::fabs(f) >= 0x1p62f ? 0 : (uint64_t)(int64_t)f;
      want &= (1ull << (8 * n)) - 1;
      std::vector<uint8_t> in = s_bytes(x, 0, 4);
      in.resize(4);
      b.check(name.c_str(), b.value(b.call(name, in, n, c)), want, x, 0);
      s.add(c);
    }
    s_row(name, s);
  }
}

// The program addresses of the library's section in the map, [start, end).
bool s_library(const std::string &map, uint32_t &start, uint32_t &end) {
  std::istringstream in(map);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream f(line);
    std::string name, kind;
    unsigned long address = 0, size = 0;
    if (f >> name >> kind >> std::hex >> address >> size && name == ".code_runtime.o") {
      start = (uint32_t)address, end = (uint32_t)(address + size);
      return true;
    }
  }
  return false;
}

// Words of each routine of the library: the distance to the next one, the
// last up to the end of the section.
void s_words(const Bench &b, uint32_t end) {
  std::vector<std::pair<uint32_t, std::string>> order;
  for (const auto &kv : b.at) order.push_back({kv.second, kv.first});
  std::sort(order.begin(), order.end());
  printf("| Routine | Words |\n|---|---|\n");
  for (size_t i = 0; i < order.size(); ++i) {
    uint32_t next = i + 1 < order.size() ? order[i + 1].first : end;
    printf("| `%s` | %u |\n", order[i].second.c_str(), (next - order[i].first) / 2);
  }
  printf("| all | %u |\n\n", (end - order.front().first) / 2);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: rt_cost IMAGE.hex IMAGE.map [PAIRS]\n");
    return 2;
  }
  int pairs = argc > 3 ? atoi(argv[3]) : 200000;
  Bench b;
  std::string error;
  sim_init(*b.m, 0xA5);
  if (!sim_load_hex(*b.m, argv[1], error)) {
    fprintf(stderr, "rt_cost: %s\n", error.c_str());
    return 2;
  }
  const uint8_t halt[] = {0x01, 0x00};
  sim_load(*b.m, 0, halt, 2);
  std::ifstream mf(argv[2]);
  std::stringstream text;
  text << mf.rdbuf();
  std::map<std::string, MapSymbol> symbols;
  symmap_parse(text.str(), symbols);
  uint32_t start = 0, end = 0;
  bool found = s_library(text.str(), start, end);
  for (const auto &kv : symbols)  // the routines, not their labels
    if (kv.second.program && kv.second.address >= start && kv.second.address < end &&
        kv.first.compare(0, 2, "__") == 0 && kv.first.compare(0, 3, "___") != 0)
      b.at[kv.first] = kv.second.address;
  if (!found || !b.at.count("__div08u")) {
    fprintf(stderr, "rt_cost: '%s' has no run-time library\n", argv[2]);
    return 2;
  }
  s_words(b, end);
  printf("| Routine | Cycles: least | mean | most |\n|---|---|---|---|\n");
  s_divisions(b, pairs);
  s_others(b, pairs / 2);
  s_floats(b, pairs / 2);
  if (b.wrong) fprintf(stderr, "rt_cost: %d wrong results\n", b.wrong);
  return b.wrong ? 1 : 0;
}
