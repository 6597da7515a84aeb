// Consistency checks of the dump tool: references between the tables of an
// object that the reader accepts but that point nowhere (string offsets
// outside the string table, relocations outside their section's raw data,
// symbol indices outside the symbol table, auxiliary entries running past
// its end, section numbers beyond the header count). Each is reported once,
// naming the file and the entry; a sound object yields no report.
#include <gtest/gtest.h>

#include "object/dump_check.h"
#include "tests/object/object_test_util.h"
#include "tests/object/sample_object.h"

namespace {

struct DumpCheck : ::testing::Test {
  coff_file *f = nullptr;
  void SetUp() override {
    f = sample_object_build("s.o");
    ASSERT_NE(f, nullptr);
  }
  void TearDown() override { coff_free(f); }
  // Runs the checks; returns their report and stores the count.
  std::string report(int *count) {
    FILE *tmp = tmpfile();
    *count = dump_check(tmp, f);
    std::string out;
    rewind(tmp);
    for (int c; (c = fgetc(tmp)) != EOF;) out.push_back(char(c));
    fclose(tmp);
    return out;
  }
};

TEST_F(DumpCheck, SoundSampleHasNoProblems) {
  int n = -1;
  EXPECT_EQ(report(&n), "");
  EXPECT_EQ(n, 0);
}

TEST_F(DumpCheck, StringOffsetsOutsideTheTable) {
  uint32_t length = coff_string_table_length(f);
  f->symbols[SAMPLE_LONGNAME].sym.n.n_n.n_offset = length;  // one past the end
  f->symbols[SAMPLE_FILE + 1].aux.x_file.x_offset = 2;      // inside the length word
  f->sections[2].header.s_name.n_n.n_offset = 99999;
  int n = 0;
  EXPECT_EQ(report(&n),
            "File 's.o', section 3 name offset 99999 lies outside the string table.\n"
            "File 's.o', symbol 0 file name offset 2 lies outside the string table.\n"
            "File 's.o', symbol 26 name offset " + std::to_string(length) +
                " lies outside the string table.\n");
  EXPECT_EQ(n, 3);
}

TEST_F(DumpCheck, RelocationsOutsideTheirSectionsRawData) {
  f->sections[0].relocs[3].r_vaddr = 14;          // the code section holds 14 bytes: 0..13
  f->sections[1].relocs[0].r_vaddr = 0xFFFFFFFF;
  const coff_reloc into_bss[] = {{0, SAMPLE_FOO, 0, RELOCT_LOW}};
  coff_set_section_relocs(&f->sections[2], into_bss, 1);  // bss: no raw data at all
  int n = 0;
  EXPECT_EQ(report(&n),
            "File 's.o', section 1 relocation 3 patches offset 0x0000000e, outside the section's 14 bytes of raw data.\n"
            "File 's.o', section 2 relocation 0 patches offset 0xffffffff, outside the section's 40 bytes of raw data.\n"
            "File 's.o', section 3 relocation 0 patches offset 0x00000000, outside the section's 0 bytes of raw data.\n");
  EXPECT_EQ(n, 3);
  f->sections[0].relocs[3].r_vaddr = 13;  // the last byte is still inside
  f->sections[1].relocs[0].r_vaddr = 0;
  f->sections[2].header.s_nreloc = 0;
  EXPECT_EQ(report(&n), "");
}

TEST_F(DumpCheck, SymbolIndicesOutsideTheTable) {
  f->sections[0].relocs[0].r_symndx = SAMPLE_NSYMS;
  f->sections[0].lines[1].l_srcndx = 1000;
  f->sections[0].lines[2].l_fcnndx = 0xFFFFFFFF;
  int n = 0;
  EXPECT_EQ(report(&n),
            "File 's.o', section 1 relocation 0 names symbol 33, the table has 33 entries.\n"
            "File 's.o', section 1 line number 1 names symbol 1000, the table has 33 entries.\n"
            "File 's.o', section 1 line number 2 names symbol 4294967295, the table has 33 entries.\n");
  EXPECT_EQ(n, 3);
}

TEST_F(DumpCheck, AuxiliaryEntriesPastTheEndAndUnknownSections) {
  f->symbols[SAMPLE_FOO].sym.n_numaux = 2;  // the last symbol: nothing follows it
  f->symbols[SAMPLE_COUNTER].sym.n_scnum = 6;  // five sections
  f->symbols[SAMPLE_MISC].sym.n_scnum = -3;
  int n = 0;
  EXPECT_EQ(report(&n),
            "File 's.o', symbol 25 names section 6, the file has 5.\n"
            "File 's.o', symbol 29 names section -3, the file has 5.\n"
            "File 's.o', symbol 32 has 2 auxiliary entries, the table ends after 0.\n");
  EXPECT_EQ(n, 3);
}

TEST_F(DumpCheck, LongReportsAreCut) {
  std::vector<coff_reloc> relocs(100, coff_reloc{0x1000, 0, 0, RELOCT_LOW});
  coff_set_section_relocs(&f->sections[0], relocs.data(), uint16_t(relocs.size()));
  int n = 0;
  std::string out = report(&n);
  EXPECT_EQ(n, 100);
  size_t lines = 0;
  for (char c : out) lines += c == '\n';
  EXPECT_EQ(lines, 21u) << out;  // 20 problems and the summary
  EXPECT_NE(out.find("File 's.o', 80 more problems not shown.\n"), std::string::npos) << out;
}

}  // namespace
