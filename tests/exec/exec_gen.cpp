// Writes a test program for one run-time helper suite, with the expected
// results computed on the host. In: a suite name (div08u ... div32s, mul16,
// mul24, mul32, pow2x16, arithFP, cmpFP, cast08FP ... cast32FP, castFPint), the output
// file and a seed. Out: a C file whose
// program memory holds one record per case (operands, then each helper's
// expected result, little-endian) and whose in-line assembly pushes the
// operands, calls each helper, and checks the result and every register and
// byte the helper must keep; a failing case prints "FAIL record N helper K"
// and stops the run. Beside it, NAME.cases lists the records in decimal.
//
// Cases: every pair for 8-bit division; for the wider helpers every pair of
// boundary values (0, 1, -1, the minimum and maximum and their neighbours,
// the bytes' edges) and random pairs whose operands have random bit lengths,
// so that small and large magnitudes both occur. Floating-point operands are
// the special encodings (zeros, subnormals, the largest values, the
// infinities, NaN, integers at the conversions' edges) and random encodings
// of every kind, half of them near the other operand.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

struct Suite {
  std::string name;
  int width;                          // bytes per operand
  int operands;                       // 1 or 2
  int result;                         // bytes per result
  std::vector<std::string> helpers;   // called in this order on the same operands
  bool is_signed;
  std::vector<int> result_of = {};     // bytes of each helper's result, when they differ
};

const Suite SUITES[] = {
    {"div08u", 1, 2, 1, {"__div08u", "__mod08u"}, false}, {"div08s", 1, 2, 1, {"__div08s", "__mod08s"}, true},
    {"div16u", 2, 2, 2, {"__div16u", "__mod16u"}, false}, {"div16s", 2, 2, 2, {"__div16s", "__mod16s"}, true},
    {"div24u", 3, 2, 3, {"__div24u", "__mod24u"}, false}, {"div24s", 3, 2, 3, {"__div24s", "__mod24s"}, true},
    {"div32u", 4, 2, 4, {"__div32u", "__mod32u"}, false}, {"div32s", 4, 2, 4, {"__div32s", "__mod32s"}, true},
    {"mul16", 2, 2, 2, {"__mul16"}, false},  {"mul24", 3, 2, 3, {"__mul24"}, false},
    {"mul32", 4, 2, 4, {"__mul32"}, false},  {"pow2x16", 1, 1, 2, {"__pow2x16"}, false},
    {"cmpFP", 4, 2, 1, {"__ltFP", "__gtFP", "__eqFP", "__ltuFP", "__gtuFP"}, false},
    {"arithFP", 4, 2, 4, {"__addFP", "__subFP", "__mulFP", "__divFP"}, false},
    {"cast08FP", 1, 1, 4, {"__cast08uFP", "__cast08sFP"}, false},
    {"cast16FP", 2, 1, 4, {"__cast16uFP", "__cast16sFP"}, false},
    {"cast24FP", 3, 1, 4, {"__cast24uFP", "__cast24sFP"}, false},
    {"cast32FP", 4, 1, 4, {"__cast32uFP", "__cast32sFP"}, false},
    {"castFPint", 4, 1, 4, {"__castFP08", "__castFP16", "__castFP24", "__castFP32"}, false, {1, 2, 3, 4}},
};

int64_t s_extend(uint64_t v, int bytes, bool is_signed);

int s_result_bytes(const Suite &s, size_t k) { return s.result_of.empty() ? s.result : s.result_of[k]; }

bool s_is_float(const Suite &s) { return s.name.find("FP") != std::string::npos; }

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

// The floating-point helpers' results by the host's float: arithmetic
// (any NaN as the quiet NaN 0x7FC00000), comparisons,
// integers to float (unsigned, then signed), float to the integer part's
// low 8, 16, 24 and 32 bits (0 for NaN and the infinities).
std::vector<uint64_t> s_expect_float(const Suite &s, uint64_t a, uint64_t b) {
  float x = s_float(a), y = s_float(b);
  if (s.name == "cmpFP") return {x < y, x > y, x == y, !(x >= y), !(x <= y)};
  if (s.name == "arithFP") {
    std::vector<uint64_t> r;
    for (float z : {x + y, x - y, x * y, x / y}) r.push_back(std::isnan(z) ? 0x7FC00000 : s_bits(z));
    return r;
  }
  if (s.name == "castFPint") {
    uint64_t v = !std::isfinite(x) || std::fabs(x) >= 0x1p62f ? 0 : (uint64_t)(int64_t)x;
    return {v & 0xFF, v & 0xFFFF, v & 0xFFFFFF, v & 0xFFFFFFFF};
  }
  return {s_bits((float)(uint64_t)a), s_bits((float)s_extend(a, s.width, true))};
}

constexpr int RANDOM_PAIRS = 10000;
constexpr size_t CHUNK_BYTES = 8192;  // program-memory bytes per table array

// Value of the low `bytes` bytes of v, read as signed when asked.
int64_t s_extend(uint64_t v, int bytes, bool is_signed) {
  int bits = 8 * bytes;
  uint64_t mask = bits == 64 ? ~0ull : (1ull << bits) - 1;
  v &= mask;
  if (is_signed && (v >> (bits - 1)) & 1) return (int64_t)(v | ~mask);
  return (int64_t)v;
}

// Host reference: truncating division, remainder with the dividend's sign; a
// divisor of 0 gives a quotient whose magnitude has every bit set (-1 or 1
// for signed operands) and the dividend as remainder.
std::vector<uint64_t> s_expect(const Suite &s, uint64_t a, uint64_t b) {
  int w = s.width;
  uint64_t mask = w == 8 ? ~0ull : (1ull << (8 * w)) - 1;
  if (s_is_float(s)) return s_expect_float(s, a, b);
  if (s.name == "pow2x16") return {a < 16 ? 1ull << a : 0};
  if (s.helpers.size() == 1) return {(a * b) & mask};
  int64_t x = s_extend(a, w, s.is_signed), y = s_extend(b, w, s.is_signed);
  if (y == 0) {
    int64_t q = s.is_signed ? (x < 0 ? 1 : -1) : (int64_t)mask;
    return {(uint64_t)q & mask, (uint64_t)x & mask};
  }
  return {(uint64_t)(x / y) & mask, (uint64_t)(x % y) & mask};
}

std::vector<std::pair<uint64_t, uint64_t>> s_float_cases(const Suite &s, uint32_t seed) {
  std::vector<uint64_t> edges = {0, 0x80000000, 1, 0x80000001, 0x007FFFFF, 0x00800000, 0x3F800000, 0xBF800000,
                                 0x3F000000, 0xBF000000, 0x3F7FFFFF, 0x3F800001, 0x7F7FFFFF, 0xFF7FFFFF,
                                 0x7F800000, 0xFF800000, 0x7FC00000, 0xFFC00000, 0x7F800001, 0x43800000,
                                 0xC3000000, 0x477FFF00, 0xC7000000, 0x4B7FFFFF, 0xCB000000, 0x4F7FFFFF,
                                 0xCF000000, 0x4F800000, 0x5F000000, 0x5F800000, 0x437F8000, 0xC3010000};
  std::vector<std::pair<uint64_t, uint64_t>> cases;
  for (uint64_t a : edges)
    if (s.operands == 1)
      cases.push_back({a, 0});
    else
      for (uint64_t b : edges) cases.push_back({a, b});
  std::mt19937 rng(seed);
  auto value = [&](uint32_t other) -> uint64_t {
    uint32_t r = rng();
    switch (rng() % 4) {
    case 0: return r;
    case 1: return (r & 0x807FFFFF) | ((112u + (r >> 27) % 48u) << 23);  // 2^-15 to 2^32
    case 2: return r & 0x807FFFFF;                                      // zeros and subnormals
    default: return (uint32_t)((other + (r % 64) - 32) ^ (r & 0x80000000u));
    }
  };
  for (int i = 0; i < RANDOM_PAIRS; ++i) {
    uint64_t a = value(rng());
    cases.push_back({a, s.operands == 1 ? 0 : value((uint32_t)a)});
  }
  return cases;
}

std::vector<std::pair<uint64_t, uint64_t>> s_cases(const Suite &s, uint32_t seed) {
  std::vector<std::pair<uint64_t, uint64_t>> cases;
  int bits = 8 * s.width;
  uint64_t mask = (1ull << bits) - 1;
  if (s.operands == 1 && s.width == 1) {
    for (uint64_t n = 0; n < 256; ++n) cases.push_back({n, 0});
    return cases;
  }
  if (s.width == 4 && s_is_float(s) && s.name != "cast32FP") return s_float_cases(s, seed);
  if (s.width == 1) {
    for (uint64_t a = 0; a < 256; ++a)
      for (uint64_t b = 0; b < 256; ++b) cases.push_back({a, b});
    return cases;
  }
  uint64_t top = 1ull << (bits - 1);
  std::vector<uint64_t> edges = {0, 1, 2, 3, 7, 10, 0x7F, 0x80, 0xFF, 0x100, 0x101, 0xFFFF, 0x10000,
                                 top - 1, top, top + 1, mask, mask - 1, mask - 9};
  for (uint64_t &e : edges) e &= mask;
  for (uint64_t a : edges)
    if (s.operands == 1)
      cases.push_back({a, 0});
    else
      for (uint64_t b : edges) cases.push_back({a, b});
  std::mt19937_64 rng(seed);
  auto value = [&]() {
    int length = (int)(rng() % (bits + 1));  // random bit length, then random bits below it
    uint64_t v = length == 0 ? 0 : (rng() & ((length == 64 ? 0 : 1ull << length) - 1)) | 1ull << (length - 1);
    if (rng() % 4 == 0) v = (~v + 1) & mask;  // some negated, for the signed helpers
    return v & mask;
  };
  for (int i = 0; i < RANDOM_PAIRS; ++i) cases.push_back({value(), s.operands == 1 ? 0 : value()});
  return cases;
}

// Characters to the simulator's output port.
void s_print(std::ofstream &o, const std::string &text) {
  for (char c : text) o << "    MOVLW   " << (int)(unsigned char)c << "\n    MOVWF   0xD7, 0\n";
}

void s_bytes(std::vector<uint8_t> &out, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back((uint8_t)(v >> (8 * i)));
}

// The code for one record: operands from the table onto the stack, then each
// helper on its own copy of them.
void s_record_code(std::ofstream &o, const Suite &s) {
  int in = s.width * s.operands;
  o << "  record:\n    MOVLW   0xC5\n    MOVWF   POSTINC1, 0             // a byte below the operands\n";
  for (int i = 0; i < in; ++i) o << "    TBLRDPOSTINC\n    MOVFF   TABLAT, POSTINC1\n";
  for (size_t k = 0; k < s.helpers.size(); ++k) {
    if (k + 1 < s.helpers.size()) {
      o << "    MOVLW   " << (256 - in) << "                    // a copy of the operands for the next helper\n";
      for (int i = 0; i < in; ++i) o << "    MOVFF   PLUSW1, POSTINC1\n";
    }
    o << "    LFSR    0, 0x5A3                // what the helper must keep\n"
         "    MOVLW   0x3C\n    MOVWF   TABLAT, 0\n"
         "    MOVLW   0x12\n    MOVWF   PCLATH, 0\n"
         "    MOVLW   0x07\n    MOVWF   PCLATU, 0\n";
    for (int i = 0; i < 4; ++i) o << "    MOVLW   " << 0x11 * (i + 1) << "\n    MOVFF   WREG, __RETVAL0 + " << i << "\n";
    o << "    MOVLB   guard\n    MOVLW   0x69\n    MOVWF   guard, 1\n";
    o << "    CALL    " << s.helpers[k] << ", 0\n";
    o << "    CLRF    PRODH, 0                // differences gather here\n";
    struct { const char *reg; int value; } kept[] = {
        {"FSR0L", 0xA3}, {"FSR0H", 0x05}, {"TABLAT", 0x3C}, {"PCLATH", 0x12}, {"PCLATU", 0x07}};
    for (auto &r : kept)
      o << "    MOVLW   " << r.value << "\n    XORWF   " << r.reg << ", 0, 0\n    IORWF   PRODH, 1, 0\n";
    o << "    MOVFF   saved_fsr2, PRODL\n    MOVF    PRODL, 0, 0\n    XORWF   FSR2L, 0, 0\n    IORWF   PRODH, 1, 0\n"
         "    MOVFF   saved_fsr2 + 1, PRODL\n    MOVF    PRODL, 0, 0\n    XORWF   FSR2H, 0, 0\n    IORWF   PRODH, 1, 0\n";
    for (int i = 0; i < 4; ++i)
      o << "    MOVFF   __RETVAL0 + " << i << ", PRODL\n    MOVLW   " << 0x11 * (i + 1)
        << "\n    XORWF   PRODL, 0, 0\n    IORWF   PRODH, 1, 0\n";
    o << "    MOVLB   guard\n    MOVLW   0x69\n    XORWF   guard, 0, 1\n    IORWF   PRODH, 1, 0\n";
    int result = s_result_bytes(s, k);
    o << "    SUBFSR  1, " << result << "                 // the result, against the table\n";
    for (int i = 0; i < result; ++i)
      o << "    TBLRDPOSTINC\n    MOVF    TABLAT, 0, 0\n    XORWF   POSTINC1, 0, 0\n    IORWF   PRODH, 1, 0\n";
    o << "    SUBFSR  1, " << result << "\n";
    o << "    MOVLW   " << k << "\n    MOVF    PRODH, 1, 0\n    BTFSS   STATUS, 2, 0\n    CALL    report, 0\n";
  }
  o << "    SUBFSR  1, 1                    // FSR1 back on the byte below the operands\n"
       "    MOVF    INDF1, 0, 0\n    XORLW   0xC5\n    MOVLW   " << s.helpers.size()
    << "\n    BTFSS   STATUS, 2, 0\n    CALL    report, 0\n";
  o << "    MOVLB   record_no\n    INCF    record_no, 1, 1\n    MOVLW   0\n    ADDWFC  record_no + 1, 1, 1\n"
       "    DECF    remaining, 1, 1\n    SUBWFB  remaining + 1, 1, 1\n"
       "    MOVF    remaining, 0, 1\n    IORWF   remaining + 1, 0, 1\n    BZ      done\n    BRA     record\n  done:\n";
}

void s_program(std::ofstream &o, const Suite &s, uint32_t seed, std::ofstream &list) {
  std::vector<std::pair<uint64_t, uint64_t>> cases = s_cases(s, seed);
  size_t record = s.width * s.operands;
  for (size_t k = 0; k < s.helpers.size(); ++k) record += s_result_bytes(s, k);
  size_t per_chunk = CHUNK_BYTES / record;
  o << "// Generated by exec-gen: suite " << s.name << ", seed " << seed << ", " << cases.size()
    << " records of " << record << " bytes.\n#include \"check.h\"\n\n";
  std::vector<size_t> counts;
  for (size_t first = 0; first < cases.size(); first += per_chunk) {
    size_t n = std::min(per_chunk, cases.size() - first);
    counts.push_back(n);
    o << "far rom unsigned char chunk" << counts.size() - 1 << "[] = {";
    for (size_t i = first; i < first + n; ++i) {
      std::vector<uint8_t> bytes;
      s_bytes(bytes, cases[i].first, s.width);
      if (s.operands == 2) s_bytes(bytes, cases[i].second, s.width);
      list << i << ": " << cases[i].first;
      if (s.operands == 2) list << " " << cases[i].second;
      std::vector<uint64_t> expected = s_expect(s, cases[i].first, cases[i].second);
      for (size_t k = 0; k < expected.size(); ++k) {
        uint64_t r = expected[k];
        s_bytes(bytes, r, s_result_bytes(s, k));
        list << " " << r;
      }
      list << "\n";
      o << "\n ";
      for (uint8_t b : bytes) o << " " << (int)b << ",";
    }
    o << "\n};\n";
  }
  o << "far rom unsigned char *chunks[] = {";
  for (size_t k = 0; k < counts.size(); ++k) o << (k ? ", " : "") << "chunk" << k;
  o << "};\n\nunsigned int remaining, record_no, saved_fsr2;\nunsigned char guard, failed_helper;\n"
       "extern unsigned char __RETVAL0[4];\n";
  for (const std::string &h : s.helpers) o << "void " << h << "(void);\n";
  o << "\n";
  o << "// W: the helper's number (" << s.helpers.size() << ": the stack). Prints the record and stops.\n"
       "void report(void)\n{\n  _asm\n    MOVFF   WREG, failed_helper\n";
  s_print(o, "FAIL record ");
  o << "    MOVFF   record_no, check_value\n    MOVFF   record_no + 1, check_value + 1\n"
       "    CALL    check_put_u16, 0\n";
  s_print(o, " helper ");
  o << "    MOVFF   failed_helper, check_value\n    MOVLB   check_value\n    CLRF    check_value + 1, 1\n"
       "    CALL    check_put_u16, 0\n";
  s_print(o, "\n");
  o << "    MOVLW   1\n    STOP\n  _endasm\n}\n\n";
  o << "// TBLPTR on a chunk, `remaining` its records.\nvoid run_chunk(void)\n{\n  _asm\n";
  s_record_code(o, s);
  o << "  _endasm\n}\n\nvoid main(void)\n{\n  _asm\n"
       "    MOVFF   FSR2L, saved_fsr2\n    MOVFF   FSR2H, saved_fsr2 + 1\n";
  for (size_t k = 0; k < counts.size(); ++k) {
    for (int i = 0; i < 3; ++i) o << "    MOVFF   chunks + " << 3 * k + i << ", TBLPTRL + " << i << "\n";
    o << "    MOVLB   remaining\n    MOVLW   " << (counts[k] & 0xFF) << "\n    MOVWF   remaining, 1\n    MOVLW   "
      << (counts[k] >> 8) << "\n    MOVWF   remaining + 1, 1\n    CALL    run_chunk, 0\n";
  }
  o << "    MOVLW   0                       // every record passed\n  _endasm\n}\n";
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: exec-gen SUITE OUT.c [SEED]\n");
    return 2;
  }
  uint32_t seed = argc > 3 ? (uint32_t)strtoul(argv[3], nullptr, 0) : 20261206u;
  for (const Suite &s : SUITES) {
    if (s.name != argv[1]) continue;
    std::ofstream o(argv[2]), list(std::string(argv[2]) + ".cases");
    if (!o || !list) {
      fprintf(stderr, "exec-gen: cannot write '%s'\n", argv[2]);
      return 2;
    }
    s_program(o, s, seed, list);
    return o.good() && list.good() ? 0 : 2;
  }
  fprintf(stderr, "exec-gen: unknown suite '%s'\n", argv[1]);
  return 2;
}
