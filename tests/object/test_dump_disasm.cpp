// Disassembly listing on damaged or unusual code sections: a two-word
// instruction cut off at the section end, an odd last byte, words that are no
// instruction, references to symbols and files that do not exist, and an
// absolute section whose symbols carry absolute addresses.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "device/instset.h"
#include "object/dump_disasm.h"
#include "tests/object/every_inst_object.h"
#include "tests/object/object_test_util.h"

namespace {

std::string listing(const coff_file *f) {
  FILE *tmp = tmpfile();
  dump_disassemble(tmp, f);
  std::string out;
  rewind(tmp);
  int c;
  while ((c = fgetc(tmp)) != EOF) out.push_back(char(c));
  fclose(tmp);
  return out;
}

coff_file *code_record(const std::vector<uint8_t> &bytes, uint32_t paddr = 0) {
  coff_file *f = coff_create();
  coff_alloc_sections(f, 2);
  coff_set_section_name(f, &f->sections[0].header, "data");
  set_scn_flags(&f->sections[0].header, 2, false, false, false, false);
  coff_set_section_data(&f->sections[0], bytes.data(), uint32_t(bytes.size()));
  coff_set_section_name(f, &f->sections[1].header, "code_long");
  set_scn_flags(&f->sections[1].header, 1, paddr != 0, false, false, false);
  coff_set_section_data(&f->sections[1], bytes.data(), uint32_t(bytes.size()));
  f->sections[1].header.s_paddr = paddr;
  return f;
}

TEST(DumpDisasm, OnlyCodeSectionsAreListed) {
  coff_file *f = code_record({0x12, 0x00});
  std::string out = listing(f);
  EXPECT_EQ(out.find("'data'"), std::string::npos);
  EXPECT_NE(out.find("Disassembly of section[2] 'code_long' at 0x000000, 2 bytes:\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  000000: 0012      RETURN    0x0\n"), std::string::npos) << out;
  coff_free(f);
}

TEST(DumpDisasm, CutInstructionsAndDataWordsAreShownAsSuch) {
  inst_word call = setInstType(0, CALL, 4);
  // CALL without its second word, then an invalid word, then an odd byte.
  coff_file *f = code_record({0x02, 0x00, uint8_t(call), uint8_t(call >> 8), 0x7f});
  std::string out = listing(f);
  EXPECT_NE(out.find("  000000: 0002      DW        0x0002\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  000002: ec00      CALL      ???"), std::string::npos) << out;
  EXPECT_NE(out.find("  000004: 7f        DB        0x7f\n"), std::string::npos) << out;
  coff_free(f);
}

TEST(DumpDisasm, BadIndicesAreNamedNotFollowed) {
  inst_word movlw = setInstType(0, MOVLW, 4);
  coff_file *f = code_record({uint8_t(movlw), uint8_t(movlw >> 8)});
  const coff_reloc rel[] = {{0, 77, -3, RELOCT_LOW}, {0, 0, 2, 99}};
  coff_set_section_relocs(&f->sections[1], rel, 2);
  const coff_lineno line[] = {{500, 7, 0, 0, 0}};
  coff_set_section_lines(&f->sections[1], line, 1);
  coff_alloc_symbols(f, 1);
  coff_set_symbol_name(f, &f->symbols[0].sym, "");
  std::string out = listing(f);
  EXPECT_NE(out.find("; reloc RELOCT_LOW <bad symbol index 77>-3\n"), std::string::npos) << out;
  EXPECT_NE(out.find("; reloc type 99 +2\n"), std::string::npos) << out;
  EXPECT_NE(out.find("; line 7 of '?'\n"), std::string::npos) << out;
  coff_free(f);
}

TEST(DumpDisasm, AbsoluteSectionsListAbsoluteAddresses) {
  inst_word bra = setOperandOne(setInstType(0, BRA, 4), 0x7FF, 4);  // branch to itself
  coff_file *f = code_record({0x00, 0x00, uint8_t(bra), uint8_t(bra >> 8)}, 0x200);
  coff_alloc_symbols(f, 2);
  coff_set_symbol_name(f, &f->symbols[0].sym, "spin");
  f->symbols[0].sym.n_scnum = 2;
  f->symbols[0].sym.n_value = 0x202;
  f->symbols[0].sym.n_sclass = C_LABEL;
  coff_set_symbol_name(f, &f->symbols[1].sym, "elsewhere");
  f->symbols[1].sym.n_scnum = 1;  // same address, other section: not listed
  f->symbols[1].sym.n_value = 0x202;
  f->symbols[1].sym.n_sclass = C_EXT;
  const coff_reloc rel[] = {{2, 0, 0, RELOCT_BRA}};
  coff_set_section_relocs(&f->sections[1], rel, 1);
  std::string out = listing(f);
  EXPECT_NE(out.find("at 0x000200, 4 bytes:\n  000200: 0000      NOP"), std::string::npos) << out;
  EXPECT_NE(out.find("spin:\n  000202: d7ff      BRA       0x202\n                    ; reloc RELOCT_BRA spin+0\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.find("elsewhere"), std::string::npos) << out;
  coff_free(f);
}

// An object holding every instruction type, written and read back: each
// mnemonic of the family is listed exactly once as an instruction, every
// second word is joined to its instruction, and the listed sizes add up to
// the section.
TEST(DumpDisasm, EveryInstructionTypeIsListedOnceAndWhole) {
  std::string path = test_path("every.o");
  coff_file *built = every_inst_object_build(path.c_str());
  ASSERT_NE(built, nullptr);
  ASSERT_EQ(coff_write(built), 1);
  coff_free(built);
  coff_file *f = coff_read(path.c_str());
  remove(path.c_str());
  ASSERT_NE(f, nullptr);
  std::istringstream lines(listing(f));
  std::map<std::string, int> seen;
  uint32_t bytes = 0, next = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.size() < 20 || line.compare(0, 2, "  ") != 0 || line[8] != ':') continue;
    EXPECT_EQ(std::stoul(line.substr(2, 6), nullptr, 16), next) << line;
    bool two = line[14] == ' ' && line[15] != ' ';
    next += two ? 4 : 2;
    bytes += two ? 4 : 2;
    std::string text = line.substr(20);
    seen[text.substr(0, text.find(' '))]++;
    EXPECT_EQ(text.find("???"), std::string::npos) << line;
  }
  EXPECT_EQ(bytes, f->sections[0].header.s_size);
  EXPECT_EQ(seen.count("DW"), 0u);
  EXPECT_EQ(seen.count("WORD2"), 0u);
  for (int type = 1; type <= INST_TYPE_MAX; type++) {
    if (!isInstTypeOf(type, 4) || type == WORD2) continue;
    // The frame-offset lines at the end repeat ADDWF, CLRF and BSF.
    int expected = (type == ADDWF || type == CLRF || type == BSF) ? 2 : 1;
    EXPECT_EQ(seen[getInstName(type)], expected) << getInstName(type);
  }
  coff_free(f);
}

}  // namespace
