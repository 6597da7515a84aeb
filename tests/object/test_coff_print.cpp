// Text dump details that the golden listing shows only once: raw-data
// grouping and line breaks, the unnamed record, string-table offsets, and
// the printers for classic entries and field auxiliary entries.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "object/coff.h"

namespace {

std::string print_to_string(const coff_file *f) {
  FILE *tmp = tmpfile();
  coff_fprint(tmp, f);
  std::string out;
  rewind(tmp);
  int c;
  while ((c = fgetc(tmp)) != EOF) out.push_back(char(c));
  fclose(tmp);
  return out;
}

std::string between(const std::string &text, const std::string &from, const std::string &to) {
  size_t a = text.find(from);
  if (a == std::string::npos) return "<missing " + from + ">";
  a += from.size();
  return text.substr(a, text.find(to, a) - a);
}

TEST(CoffPrint, RawDataGroupsFourBytesAndWrapsAfterThirtyTwo) {
  coff_file *f = coff_create();
  ASSERT_TRUE(coff_alloc_sections(f, 1));
  uint8_t bytes[33];
  for (int i = 0; i < 33; i++) bytes[i] = uint8_t(i);
  coff_set_section_data(&f->sections[0], bytes, 33);
  f->sections[0].header.s_flags = STYP_DATA;
  std::string out = print_to_string(f);
  EXPECT_EQ(between(out, "Raw Data:\n", "Symbol Table:"),
            "00010203 04050607 08090a0b 0c0d0e0f 10111213 14151617 18191a1b 1c1d1e1f \n20\n");
  coff_free(f);
}

TEST(CoffPrint, UnnamedRecordAndEmptyTables) {
  coff_file *f = coff_create();
  std::string out = print_to_string(f);
  EXPECT_EQ(out.rfind("CoffFile: <unnamed>\nFile Header:\nf_magic=0\n", 0), 0u) << out;
  EXPECT_NE(out.find("f_flags=0x0000\n\nOptional Header:\nmagic=0\n"), std::string::npos);
  EXPECT_NE(out.find("\nSymbol Table:\n\nString Table:\n\n"), std::string::npos) << out;
  coff_free(f);
}

TEST(CoffPrint, StringsAreListedAtTheirOffsets) {
  coff_file *f = coff_create();
  coff_add_string(f, "first_string");
  coff_add_string(f, "");
  coff_add_string(f, "x");
  std::string out = print_to_string(f);
  EXPECT_EQ(between(out, "String Table:\n", "\n\n"), "Offset[4]= first_string\nOffset[17]= \nOffset[18]= x");
  coff_free(f);
}

TEST(CoffPrint, TimeStampShowsWeekdayDateAndTime) {
  const char *old = getenv("TZ");
  std::string saved = old ? old : "";
  setenv("TZ", "UTC", 1);
  tzset();
  coff_file *f = coff_create();
  f->file_hdr.f_timdat = 86400 * 3 + 3661;  // Sunday 4 January 1970, 01:01:01
  std::string out = print_to_string(f);
  EXPECT_NE(out.find("f_timdat=262861  (Sun Jan  4 01:01:01)\n"), std::string::npos) << out;
  coff_free(f);
  if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
  tzset();
}

TEST(CoffPrint, NegativeActivationSectionAndClassicEntries) {
  coff_auxent a{};
  a.x_field.x_size = 5;
  testing::internal::CaptureStdout();
  coff_print_aux_field(stdout, &a);
  const uint8_t rel[10] = {0x10, 0, 0, 0, 7, 0, 0, 0, 2, 0};
  coff_print_classic_reloc(stdout, rel);
  const uint8_t line_sym[6] = {9, 0, 0, 0, 0, 0};
  const uint8_t line_addr[6] = {0x20, 0, 0, 0, 42, 0};
  coff_print_gnu_lineno(stdout, line_sym);
  coff_print_gnu_lineno(stdout, line_addr);
  fflush(stdout);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Aux Field: x_size=5\n"
            "Relocation: r_vaddr=0x00000010, r_symndx=7, r_type=2\n"
            "Gnu Line Number: l_symndx=9\n"
            "Gnu Line Number: l_paddr=0x00000020, l_lnno=42\n");
}

TEST(CoffPrint, AuxEntriesPastTheTableEndAreNotPrinted) {
  coff_file *f = coff_create();
  ASSERT_TRUE(coff_alloc_symbols(f, 2));
  coff_set_symbol_name(f, &f->symbols[0].sym, "main");
  f->symbols[0].sym.n_type = DT_FCN << 5;
  f->symbols[0].sym.n_numaux = 5;  // claims more entries than the table has
  f->symbols[1].aux.x_fcn.x_actscnum = -1;
  std::string out = print_to_string(f);
  EXPECT_NE(out.find("Index[1]=Aux Fcn:  "), std::string::npos);
  EXPECT_NE(out.find("x_actscnum=4294967295\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("Index[2]"), std::string::npos);
  coff_free(f);
}

}  // namespace
