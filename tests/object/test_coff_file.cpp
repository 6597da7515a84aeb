// Object files on disk: layout offsets, the byte image of headers and names,
// write-then-read fidelity, and the function auxiliary fix-up. File bytes are
// checked with the tests' own little-endian helpers, not with the codec.
#include <gtest/gtest.h>

#include <cstring>

#include "object/coff.h"
#include "tests/object/object_test_util.h"
#include "tests/object/sample_object.h"

namespace {

struct FileTest : ::testing::Test {
  std::string path = test_path(::testing::UnitTest::GetInstance()->current_test_info()->name() + std::string(".o"));
  void TearDown() override { remove(path.c_str()); }
};

// Sum of the pieces, in layout order, computed from the record alone.
uint64_t expected_size(const coff_file *f) {
  uint64_t size = 20 + 18 + 40ull * f->file_hdr.f_nscns;
  for (unsigned i = 0; i < f->file_hdr.f_nscns; i++) {
    const coff_scnhdr &h = f->sections[i].header;
    bool room = !(h.s_flags & (0x80 | 0x10000));
    size += (room ? h.s_size : 0) + 12ull * h.s_nreloc + 16ull * h.s_nlnno;
  }
  return size + 20ull * f->file_hdr.f_nsyms + coff_string_table_length(f);
}

TEST_F(FileTest, SampleLayoutPutsEveryPieceInOrderWithoutGaps) {
  coff_file *f = sample_object_build(path.c_str());
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(coff_write(f), 1);
  std::vector<uint8_t> b = read_bytes(path);
  EXPECT_EQ(b.size(), expected_size(f));
  // Raw data: code (14), program-memory data (40); bss and activation records take none; abs (3).
  EXPECT_EQ(f->sections[0].header.s_scnptr, 38u + 5 * 40);
  EXPECT_EQ(f->sections[1].header.s_scnptr, 38u + 5 * 40 + 14);
  EXPECT_EQ(f->sections[2].header.s_scnptr, 0u);
  EXPECT_EQ(f->sections[3].header.s_scnptr, 0u);
  EXPECT_EQ(f->sections[4].header.s_scnptr, 38u + 5 * 40 + 54);
  uint32_t relocs = 38 + 5 * 40 + 57;
  EXPECT_EQ(f->sections[0].header.s_relptr, relocs);
  EXPECT_EQ(f->sections[1].header.s_relptr, relocs + 4 * 12);
  EXPECT_EQ(f->sections[4].header.s_relptr, 0u);
  uint32_t lines = relocs + 7 * 12;
  EXPECT_EQ(f->sections[0].header.s_lnnoptr, lines);
  EXPECT_EQ(f->sections[1].header.s_lnnoptr, 0u);
  EXPECT_EQ(f->file_hdr.f_symptr, lines + 5 * 16);
  // The header fields as bytes.
  EXPECT_EQ(b[0], 0x40);
  EXPECT_EQ(b[1], 0x12);
  EXPECT_EQ(le16(b, 2), 5);
  EXPECT_EQ(le32(b, 4), SAMPLE_TIME);
  EXPECT_EQ(le32(b, 8), lines + 5 * 16);
  EXPECT_EQ(le32(b, 12), SAMPLE_NSYMS);
  EXPECT_EQ(le16(b, 16), 18);
  EXPECT_EQ(le16(b, 18), 0x4000);
  EXPECT_EQ(le32(b, 22), 30000u);  // vstamp
  EXPECT_EQ(le32(b, 26), 0x1830u);  // proc_type
  // Raw data of the code section at its pointer: MOVLW 5 is 0x0E05, little-endian.
  EXPECT_EQ(le16(b, 238), 0x0E05);
  // The string table's length word follows the symbol table and counts itself.
  uint32_t strtab = lines + 5 * 16 + 20 * SAMPLE_NSYMS;
  EXPECT_EQ(le32(b, strtab), b.size() - strtab);
  coff_free(f);
}

TEST_F(FileTest, SectionAndSymbolNamesSwitchToTheStringTableAtTheirLimits) {
  coff_file *f = sample_object_build(path.c_str());
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(coff_write(f), 1);
  std::vector<uint8_t> b = read_bytes(path);
  // Section 2 "romdat" (6 characters) in place; section 3 "udata_7" (7) by offset.
  EXPECT_EQ(0, memcmp(&b[38 + 40], "romdat\0\0", 8));
  EXPECT_EQ(le32(b, 38 + 80), 0u);
  uint32_t strtab = f->file_hdr.f_symptr + 20 * SAMPLE_NSYMS;
  uint32_t off = le32(b, 38 + 80 + 4);
  EXPECT_STREQ(reinterpret_cast<const char *>(&b[strtab + off]), "udata_7");
  // Symbol "counter" (7) in place, "counter8" (8) by offset, "" as 0,1,0,0,0,0,0,0.
  size_t sym = f->file_hdr.f_symptr;
  EXPECT_EQ(0, memcmp(&b[sym + 20 * SAMPLE_COUNTER], "counter\0", 8));
  EXPECT_EQ(le32(b, sym + 20 * SAMPLE_LONGNAME), 0u);
  off = le32(b, sym + 20 * SAMPLE_LONGNAME + 4);
  EXPECT_STREQ(reinterpret_cast<const char *>(&b[strtab + off]), "counter8");
  const uint8_t empty[8] = {0, 1, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(0, memcmp(&b[sym + 20 * SAMPLE_EMPTY], empty, 8));
  coff_free(f);
}

void expect_same_section(const coff_section &a, const coff_section &b) {
  EXPECT_EQ(0, memcmp(&a.header, &b.header, sizeof a.header));
  for (unsigned k = 0; k < a.header.s_nreloc; k++) {
    EXPECT_EQ(a.relocs[k].r_vaddr, b.relocs[k].r_vaddr);
    EXPECT_EQ(a.relocs[k].r_symndx, b.relocs[k].r_symndx);
    EXPECT_EQ(a.relocs[k].r_offset, b.relocs[k].r_offset);
    EXPECT_EQ(a.relocs[k].r_type, b.relocs[k].r_type);
  }
  for (unsigned k = 0; k < a.header.s_nlnno; k++) {
    EXPECT_EQ(a.lines[k].l_srcndx, b.lines[k].l_srcndx);
    EXPECT_EQ(a.lines[k].l_lnno, b.lines[k].l_lnno);
    EXPECT_EQ(a.lines[k].l_paddr, b.lines[k].l_paddr);
    EXPECT_EQ(a.lines[k].l_fcnndx, b.lines[k].l_fcnndx);
  }
  ASSERT_EQ(a.data == nullptr, b.data == nullptr);
  if (a.data) {
    EXPECT_EQ(0, memcmp(a.data, b.data, a.header.s_size));
  }
}

TEST_F(FileTest, WriteThenReadGivesTheSameRecord) {
  coff_file *f = sample_object_build(path.c_str());
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(coff_write(f), 1);
  coff_file *g = coff_read(path.c_str());
  ASSERT_NE(g, nullptr);
  EXPECT_STREQ(g->filename, path.c_str());
  EXPECT_EQ(0, memcmp(&f->file_hdr, &g->file_hdr, sizeof f->file_hdr));
  EXPECT_EQ(g->opt_hdr.magic, f->opt_hdr.magic);  // field by field: the struct has padding
  EXPECT_EQ(g->opt_hdr.vstamp, 30000u);
  EXPECT_EQ(g->opt_hdr.proc_type, f->opt_hdr.proc_type);
  EXPECT_EQ(g->opt_hdr.rom_width_bits, 16u);
  EXPECT_EQ(g->opt_hdr.ram_width_bits, 8u);
  ASSERT_EQ(g->file_hdr.f_nscns, 5);
  for (int i = 0; i < 5; i++) expect_same_section(f->sections[i], g->sections[i]);
  // BSS and activation-record sections keep their size but hold no bytes.
  EXPECT_EQ(g->sections[2].header.s_size, 16u);
  EXPECT_EQ(g->sections[2].data, nullptr);
  EXPECT_EQ(g->sections[3].data, nullptr);
  ASSERT_EQ(coff_string_table_length(f), coff_string_table_length(g));
  EXPECT_EQ(0, memcmp(f->string_table, g->string_table, coff_string_table_length(f)));
  // Symbols and auxiliary entries of every kind.
  char buf[9];
  EXPECT_STREQ(coff_symbol_name(g, &g->symbols[SAMPLE_LONGNAME].sym, buf), "counter8");
  EXPECT_STREQ(coff_symbol_name(g, &g->symbols[SAMPLE_EMPTY].sym, buf), "");
  EXPECT_EQ(g->symbols[SAMPLE_MAIN].sym.n_type, uint32_t(T_INT | DT_FCN << 5));
  EXPECT_EQ(g->symbols[SAMPLE_MAIN + 1].aux.x_fcn.x_actscnum, 4);
  EXPECT_EQ(g->symbols[SAMPLE_MAIN + 1].aux.x_fcn.x_lnnoptr, f->sections[0].header.s_lnnoptr);
  EXPECT_EQ(g->symbols[SAMPLE_TABLE + 1].aux.x_arr.x_dimen[1], 3);
  EXPECT_EQ(g->symbols[SAMPLE_TAG + 1].aux.x_tag.x_endndx, uint32_t(SAMPLE_EOS + 2));
  EXPECT_EQ(g->symbols[SAMPLE_FIELD + 1].aux.x_field.x_size, 3);
  EXPECT_EQ(g->symbols[SAMPLE_BB + 1].aux.x_bobf.x_endndx, uint32_t(SAMPLE_EB + 2));
  EXPECT_EQ(g->symbols[SAMPLE_EF].sym.n_value, 10u);
  EXPECT_EQ(g->symbols[SAMPLE_FOO].sym.n_scnum, 0);
  EXPECT_EQ(g->symbols[SAMPLE_FILE].sym.n_scnum, -2);
  for (int i = 0; i < 20; i++) EXPECT_EQ(g->symbols[SAMPLE_MISC + 1].aux.x_raw[i], i + 1);
  // Writing the record read back reproduces the file byte for byte.
  std::vector<uint8_t> first = read_bytes(path);
  std::string again = path + ".again";
  ASSERT_TRUE(coff_set_filename(g, again.c_str()));
  ASSERT_EQ(coff_write(g), 1);
  EXPECT_EQ(read_bytes(again), first);
  remove(again.c_str());
  coff_free(f);
  coff_free(g);
}

TEST_F(FileTest, ObjectWithoutSymbolsEndsWithTheEmptyStringTable) {
  coff_file *f = coff_create();
  ASSERT_TRUE(coff_set_filename(f, path.c_str()));
  ASSERT_TRUE(coff_alloc_sections(f, 1));
  coff_set_section_name(f, &f->sections[0].header, "code");
  set_scn_flags(&f->sections[0].header, 1, false, false, false, false);
  const uint8_t code[] = {0x12, 0x00};
  coff_set_section_data(&f->sections[0], code, 2);
  // The layout figures count the 4-byte table that the writer puts behind.
  DEBUG_COFF = 1;
  testing::internal::CaptureStdout();
  coff_preWrite(f);
  std::string figures = testing::internal::GetCapturedStdout();
  DEBUG_COFF = 0;
  EXPECT_NE(figures.find("stringStart=0x00000050, stringLength=0x00000004\n"), std::string::npos) << figures;
  EXPECT_EQ(f->file_hdr.f_symptr, 0u);
  EXPECT_EQ(f->file_hdr.f_magic, 0x1240);
  EXPECT_EQ(f->file_hdr.f_opthdr, 18);
  ASSERT_EQ(coff_write(f), 1);
  std::vector<uint8_t> b = read_bytes(path);
  ASSERT_EQ(b.size(), 38u + 40 + 2 + 4);
  EXPECT_EQ(le32(b, b.size() - 4), 4u);
  coff_file *g = coff_read(path.c_str());
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->file_hdr.f_nsyms, 0u);
  EXPECT_EQ(coff_string_table_length(g), 4u);
  EXPECT_EQ(g->sections[0].data[0], 0x12);
  coff_free(f);
  coff_free(g);
}

TEST_F(FileTest, UninitialisedSectionsWithSizeTakeNoFileBytes) {
  coff_file *f = coff_create();
  ASSERT_TRUE(coff_set_filename(f, path.c_str()));
  ASSERT_TRUE(coff_alloc_sections(f, 3));
  set_scn_flags(&f->sections[0].header, 3, false, false, false, false);
  f->sections[0].header.s_size = 100;
  set_scn_flags(&f->sections[1].header, 5, false, false, false, false);
  f->sections[1].header.s_size = 7;
  set_scn_flags(&f->sections[2].header, 2, false, false, false, false);
  const uint8_t data[] = {9, 8, 7};
  coff_set_section_data(&f->sections[2], data, 3);
  coff_preWrite(f);
  EXPECT_EQ(f->sections[0].header.s_scnptr, 0u);
  EXPECT_EQ(f->sections[1].header.s_scnptr, 0u);
  EXPECT_EQ(f->sections[2].header.s_scnptr, 38u + 120);
  ASSERT_EQ(coff_write(f), 1);
  EXPECT_EQ(read_bytes(path).size(), 38u + 120 + 3 + 4);
  coff_free(f);
}

// Function `index` with line entries of another function before its own.
TEST(CoffFixup, FunctionEntryPointsAtItsFirstLineEntry) {
  coff_file *f = coff_create();
  ASSERT_TRUE(coff_alloc_sections(f, 2) && coff_alloc_symbols(f, 6));
  set_scn_flags(&f->sections[1].header, 1, false, false, false, false);
  const coff_lineno lines[] = {{0, 1, 0, 0, 0}, {0, 2, 2, 0, 2}, {0, 3, 4, 0, 2}};
  coff_set_section_lines(&f->sections[1], lines, 3);
  coff_set_section_lines(&f->sections[0], lines, 1);
  for (uint32_t i : {0u, 2u, 4u}) {
    coff_syment *s = &f->symbols[i].sym;
    coff_set_symbol_name(f, s, "fn");
    s->n_type = DT_FCN << 5;
    s->n_scnum = 2;
    s->n_numaux = 1;
    f->symbols[i + 1].aux.x_fcn.x_lnnoptr = 0x1234;
  }
  coff_preWrite(f);
  uint32_t lnnoptr = f->sections[1].header.s_lnnoptr;
  EXPECT_NE(lnnoptr, 0u);
  EXPECT_EQ(f->symbols[1].aux.x_fcn.x_lnnoptr, lnnoptr);       // function 0: the first entry
  EXPECT_EQ(f->symbols[3].aux.x_fcn.x_lnnoptr, lnnoptr + 16);  // function 2: the second entry
  EXPECT_EQ(f->symbols[5].aux.x_fcn.x_lnnoptr, 0x1234u);       // no entry: left alone
  coff_free(f);
}

TEST(CoffFixup, DebugFiguresReportLayoutAndFixups) {
  std::string path = test_path("debug.o");
  coff_file *f = sample_object_build(path.c_str());
  ASSERT_NE(f, nullptr);
  f->symbols[SAMPLE_MAIN + 1].aux.x_fcn.x_lnnoptr = 0;
  DEBUG_COFF = 1;
  testing::internal::CaptureStdout();
  coff_preWrite(f);
  std::string out = testing::internal::GetCapturedStdout();
  DEBUG_COFF = 0;
  EXPECT_NE(out.find("secHdrStart=0x00000026, secHdrLength=0x000000c8\n"), std::string::npos) << out;
  EXPECT_NE(out.find("rawDataStart=0x000000ee, rawDataLength=0x00000039\n"), std::string::npos) << out;
  EXPECT_NE(out.find("raw data: size=0x00000010, ptr=0x00000000\n"), std::string::npos) << out;
  EXPECT_NE(out.find("reloc: num=4, ptr=0x00000127\n"), std::string::npos) << out;
  EXPECT_NE(out.find("line: num=5, ptr=0x0000017b\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Coff::fixupAuxFcns() - aux_fcn[11] in section[1] from 0x00000000 to 0x0000017b\n"),
            std::string::npos)
      << out;
  coff_free(f);
}

}  // namespace
