// The every-instruction object of the dump tests. In: a file name. Out: a
// laid-out record with one code section: every Harrow type in numeric order
// with operands that fill their fields, each two-word type followed by its
// second word, then byte and bit instructions on frame offsets. Symbols: the
// function at the start, one label per two-word instruction, and the
// external whose relocations patch the CALL and GOTO targets.
#include "tests/object/every_inst_object.h"

#include <vector>

#include "device/instset.h"

namespace {
constexpr int HARROW = 4;

struct s_code {
  std::vector<inst_word> words;
  std::vector<coff_reloc> relocs;
  std::vector<uint32_t> labels;  // byte offsets of the two-word instructions
};
}  // namespace

static inst_word s_second_word(uint32_t payload) {
  return setOperandOne(setInstType(0, WORD2, HARROW), payload, HARROW);
}

// The two-word types: operands split between the first word and the second.
static void s_two_words(s_code *code, int type) {
  inst_word w = setInstType(0, type, HARROW);
  uint32_t payload = 0;
  switch (type) {
    case CALL: w = setOperandTwo(setOperandOne(w, 0x45, HARROW), 1, HARROW); payload = 0x123; break;  // 0x12345, fast
    case GOTO: w = setOperandOne(w, 0x78, HARROW); payload = 0x056; break;                          // 0x05678
    case LFSR: w = setOperandTwo(setOperandOne(w, 2, HARROW), 0xA, HARROW); payload = 0xBC; break;  // FSR2, 0xABC
    case MOVFF: w = setOperandOne(w, 0x123, HARROW); payload = 0x456; break;
    case MOVSF: w = setOperandOne(w, 0x12, HARROW); payload = 0x789; break;
    case MOVSS: w = setOperandOne(w, 0x13, HARROW); payload = 0x24; break;
    default: break;
  }
  uint32_t at = uint32_t(2 * code->words.size());
  code->labels.push_back(at);
  code->words.push_back(w);
  code->words.push_back(s_second_word(payload));
}

// A one-word type: a relative branch goes 3 words forward, the FSR
// arithmetic works on FSR1, a register lies above the frame-offset range and
// is banked (a = 1), a destination is the register (d = 1), a bit number is 5.
static inst_word s_one_word(int type) {
  inst_word w = setInstType(0, type, HARROW);
  if (isRelativeBranch(type, HARROW)) return setOperandOne(w, 3, HARROW);
  if (type == ADDFSR || type == SUBFSR) return setOperandTwo(setOperandOne(w, 1, HARROW), 0x2A, HARROW);
  if (type == ADDULNK || type == SUBULNK) return setOperandOne(w, 0x15, HARROW);
  if (type == RETFIE || type == RETURN) return setOperandOne(w, 1, HARROW);
  if (hasOperandOne(type, HARROW)) w = setOperandOne(w, 0xC3, HARROW);
  if (hasOperandTwo(type, HARROW)) w = setOperandTwo(w, getOperandWidth(type, HARROW, 1) == 3 ? 5 : 1, HARROW);
  if (hasOperandThree(type, HARROW)) w = setOperandThree(w, 1, HARROW);
  return w;
}

static s_code s_every_instruction() {
  s_code code;
  for (int type = 1; type <= INST_TYPE_MAX; type++) {
    if (!isInstTypeOf(type, HARROW) || type == WORD2) continue;
    if (hasWord2(type, HARROW))
      s_two_words(&code, type);
    else
      code.words.push_back(s_one_word(type));
  }
  // Access-bank operands at and around the top of the frame-offset range.
  code.words.push_back(setOperandTwo(setOperandOne(setInstType(0, ADDWF, HARROW), 0x10, HARROW), 1, HARROW));
  code.words.push_back(setOperandOne(setInstType(0, CLRF, HARROW), 0x5F, HARROW));
  code.words.push_back(setOperandTwo(setOperandOne(setInstType(0, BSF, HARROW), 0x60, HARROW), 3, HARROW));
  return code;
}

static void s_symbol(coff_file *file, uint32_t index, const char *name, int scnum, uint32_t value,
                     uint32_t type) {
  coff_syment *sym = &file->symbols[index].sym;
  coff_set_symbol_name(file, sym, name);
  sym->n_scnum = int16_t(scnum);
  sym->n_value = value;
  sym->n_type = type;
  sym->n_sclass = scnum ? (type ? C_EXT : C_LABEL) : C_EXT;
}

coff_file *every_inst_object_build(const char *path) {
  s_code code = s_every_instruction();
  coff_file *file = coff_create();
  if (!file || !coff_set_filename(file, path) || !coff_alloc_sections(file, 1) ||
      !coff_alloc_symbols(file, uint32_t(2 + code.labels.size()))) {
    coff_free(file);
    return nullptr;
  }
  file->opt_hdr = {0, COFF_VSTAMP, 0x1830, 16, 8};
  file->file_hdr.f_flags = F_HARROW;
  coff_section *sec = &file->sections[0];
  coff_set_section_name(file, &sec->header, ".code");
  set_scn_flags(&sec->header, 1, false, false, false, false);
  std::vector<uint8_t> bytes;
  for (inst_word w : code.words) bytes.insert(bytes.end(), {uint8_t(w), uint8_t(w >> 8)});
  coff_set_section_data(sec, bytes.data(), uint32_t(bytes.size()));
  s_symbol(file, 0, "every", 1, 0, T_VOID | (DT_FCN << N_TBSHFT));
  s_symbol(file, 1, "far_away", 0, 0, T_VOID | (DT_FCN << N_TBSHFT));
  // Labels "w2_0".. on the two-word instructions; CALL and GOTO reach the external.
  static const char *const names[] = {"w2_0", "w2_1", "w2_2", "w2_3", "w2_4", "w2_5"};
  for (size_t i = 0; i < code.labels.size() && i < 6; i++) s_symbol(file, uint32_t(2 + i), names[i], 1, code.labels[i], T_NULL);
  std::vector<coff_reloc> relocs;
  for (uint32_t at : code.labels) {
    int type = getInstType(inst_word(bytes[at] | bytes[at + 1] << 8), HARROW);
    int r1 = getOperandOneReloct(type, HARROW), r2 = getOperandTwoReloct(type, HARROW), rw2 = getWord2Reloct(type, HARROW);
    if (r1 > 0) relocs.push_back({at, 1, 0, uint16_t(r1)});
    if (r2 > 0) relocs.push_back({at, 1, 0, uint16_t(r2)});
    if (rw2 > 0) relocs.push_back({at + 2, 1, 0, uint16_t(rw2)});
  }
  coff_set_section_relocs(sec, relocs.data(), uint16_t(relocs.size()));
  coff_preWrite(file);
  file->file_hdr.f_timdat = EVERY_INST_TIME;
  return file;
}
