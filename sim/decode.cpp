// Decoder of the simulator. In: instruction words from the program image.
// Out: the type of a word (by the core's decoding order), predecoded records
// with operands extracted and addressing modes fixed, and disassembly text
// for the trace. Built straight from the core's encodings, independently of
// the compiler's instruction tables, so that tests can cross-check the two.
#include <array>
#include <cstdio>

#include "sim/sim.h"
#include "sim/sim_internal.h"

namespace {

enum Form : uint8_t { FORM_FDA, FORM_FA, FORM_BIT, FORM_LIT, FORM_BR8, FORM_BR11, FORM_CALL, FORM_GOTO,
                      FORM_LFSR, FORM_MOVFF, FORM_MOVSF, FORM_MOVSS, FORM_FSRK, FORM_ULNK, FORM_FAST,
                      FORM_NONE, FORM_WORD2 };

struct OpRow {
  const char *name;
  uint8_t type;
  uint16_t opcode;
  uint16_t mask;
  Form form;
  uint8_t words;
  uint8_t cycles;
};

constexpr OpRow s_rows[] = {
#define X(name, type, opcode, mask, form, words, cycles) {#name, type, opcode, mask, FORM_##form, words, cycles},
#include "sim/ops.def"
#undef X
};
static_assert(sizeof(s_rows) / sizeof(s_rows[0]) == 90, "the Harrow family has 90 instruction types");

// Per-type facts indexed by type number.
struct TypeFacts {
  std::array<const OpRow *, 256> row{};
  std::array<uint8_t, 256> cycles{};
  std::array<uint8_t, 65536> decode{};  // word -> type, SOP_INVALID when no pattern matches
  TypeFacts() {
    for (const OpRow &r : s_rows) {
      row[r.type] = &r;
      cycles[r.type] = r.cycles;
    }
    for (unsigned w = 0; w < 65536; ++w) {
      decode[w] = SOP_INVALID;
      for (const OpRow &r : s_rows)
        if ((w & r.mask) == r.opcode) {
          decode[w] = r.type;
          break;
        }
    }
  }
};

const TypeFacts &s_facts() {
  static const TypeFacts facts;
  return facts;
}

}  // namespace

const uint8_t *sim_cycle_table() { return s_facts().cycles.data(); }

uint8_t sim_decode_type(uint16_t word) { return s_facts().decode[word]; }

const char *sim_op_name(uint8_t op) {
  const OpRow *r = s_facts().row[op];
  return r ? r->name : "???";
}

static int32_t s_sext(uint32_t v, int bits) {
  uint32_t sign = 1u << (bits - 1);
  return (int32_t)((v ^ sign) - sign);
}

// Fixes the addressing mode of a file operand: banked, the FSR2 window, or absolute.
static void s_file_operand(SimDecoded &d, uint16_t w) {
  unsigned f = w & 0xFF;
  if (w & 0x100) {
    d.x = EA_BANKED;
    d.arg = f;
  } else if (f <= 0x5F) {
    d.x = EA_INDEXED;
    d.arg = f;
  } else {
    d.x = EA_ABSOLUTE;
    d.arg = f >= 0x80 ? 0xF00 + f : f;
  }
}

static void s_two_word(SimDecoded &d, const OpRow &r, uint16_t w, uint16_t w2) {
  switch (r.form) {
  case FORM_CALL:
  case FORM_GOTO:
    d.arg = 2 * ((w & 0xFFu) | (uint32_t)(w2 & 0xFFF) << 8);
    d.x = (w >> 8) & 1;
    break;
  case FORM_LFSR:
    d.x = (w >> 4) & 3;
    d.arg = ((w & 0xFu) << 8) | (w2 & 0xFF);
    if (d.x == 3) d.op = SOP_INVALID;
    break;
  case FORM_MOVFF: d.arg = (w & 0xFFFu) | (uint32_t)(w2 & 0xFFF) << 16; break;
  case FORM_MOVSF: d.arg = (w & 0x7Fu) | (uint32_t)(w2 & 0xFFF) << 16; break;
  case FORM_MOVSS: d.arg = (w & 0x7Fu) | (uint32_t)(w2 & 0x7F) << 16; break;
  default: break;
  }
}

SimDecoded sim_decode_words(uint32_t address, uint16_t w, uint16_t w2) {
  SimDecoded d{};
  d.op = sim_decode_type(w);
  d.words = 1;
  const OpRow *r = s_facts().row[d.op];
  if (!r) return d;
  d.words = r->words;
  switch (r->form) {
  case FORM_FDA: s_file_operand(d, w); d.y = (w >> 9) & 1; break;
  case FORM_FA: s_file_operand(d, w); break;
  case FORM_BIT: s_file_operand(d, w); d.y = (uint8_t)(((w >> 9) & 7) << 1); break;
  case FORM_LIT: d.arg = w & 0xFF; break;
  case FORM_BR8: d.arg = (address + 2 + 2 * s_sext(w & 0xFF, 8)) & 0x1FFFFE; break;
  case FORM_BR11: d.arg = (address + 2 + 2 * s_sext(w & 0x7FF, 11)) & 0x1FFFFE; break;
  case FORM_FSRK: d.x = (w >> 6) & 3; d.arg = w & 0x3F; break;
  case FORM_ULNK: d.arg = w & 0x3F; break;
  case FORM_FAST: d.x = w & 1; break;
  case FORM_WORD2: d.arg = w & 0xFFF; break;
  case FORM_NONE: break;
  default: s_two_word(d, *r, w, w2); break;
  }
  return d;
}

static uint16_t s_word(const SimMachine &m, uint32_t address) {
  return (uint16_t)(sim_pm_read(m, address) | sim_pm_read(m, address + 1) << 8);
}

SimDecoded sim_predecode(const SimMachine &m, uint32_t address) {
  return sim_decode_words(address, s_word(m, address), s_word(m, address + 2));
}

static std::string s_file_text(const SimDecoded &d) {
  char buf[32];
  if (d.x == EA_INDEXED) snprintf(buf, sizeof buf, "[0x%02X]", (unsigned)d.arg);
  else if (d.x == EA_BANKED) snprintf(buf, sizeof buf, "0x%02X, BANKED", (unsigned)d.arg);
  else snprintf(buf, sizeof buf, "0x%03X", (unsigned)d.arg);
  return buf;
}

static std::string s_operands(const SimDecoded &d, const OpRow &r) {
  char buf[64] = "";
  switch (r.form) {
  case FORM_FDA: return s_file_text(d) + (d.y & 1 ? ", F" : ", W");
  case FORM_FA: return s_file_text(d);
  case FORM_BIT: snprintf(buf, sizeof buf, ", %u", (unsigned)(d.y >> 1)); return s_file_text(d) + buf;
  case FORM_LIT: snprintf(buf, sizeof buf, "0x%02X", (unsigned)d.arg); break;
  case FORM_BR8: case FORM_BR11: case FORM_GOTO: snprintf(buf, sizeof buf, "0x%06X", (unsigned)d.arg); break;
  case FORM_CALL: snprintf(buf, sizeof buf, "0x%06X, %u", (unsigned)d.arg, (unsigned)d.x); break;
  case FORM_LFSR: snprintf(buf, sizeof buf, "%u, 0x%03X", (unsigned)d.x, (unsigned)d.arg); break;
  case FORM_MOVFF: snprintf(buf, sizeof buf, "0x%03X, 0x%03X", (unsigned)(d.arg & 0xFFF), (unsigned)(d.arg >> 16)); break;
  case FORM_MOVSF: snprintf(buf, sizeof buf, "[0x%02X], 0x%03X", (unsigned)(d.arg & 0x7F), (unsigned)(d.arg >> 16)); break;
  case FORM_MOVSS: snprintf(buf, sizeof buf, "[0x%02X], [0x%02X]", (unsigned)(d.arg & 0x7F), (unsigned)(d.arg >> 16)); break;
  case FORM_FSRK: snprintf(buf, sizeof buf, "%u, %u", (unsigned)d.x, (unsigned)d.arg); break;
  case FORM_ULNK: snprintf(buf, sizeof buf, "%u", (unsigned)d.arg); break;
  case FORM_FAST: snprintf(buf, sizeof buf, "%u", (unsigned)d.x); break;
  case FORM_WORD2: snprintf(buf, sizeof buf, "0x%03X", (unsigned)d.arg); break;
  case FORM_NONE: break;
  }
  return buf;
}

std::string sim_disasm(const SimMachine &m, uint32_t address) {
  SimDecoded d = sim_predecode(m, address);
  const OpRow *r = s_facts().row[d.op];
  if (!r) return "???";
  char head[16];
  snprintf(head, sizeof head, "%-8s", r->name);
  return std::string(head) + s_operands(d, *r);
}
