// Bounded mutation fuzzing of the reader, the text dump, the disassembly
// listing and the writer: truncations, bit flips, random counts and offsets
// written over a valid object. Every mutated file must either be refused
// with a message or give a record whose counts match its arrays; nothing
// may crash or trip a sanitizer. The loop stops after a fixed number of
// cases or a few seconds, whichever comes first; the seed is fixed.
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <random>
#include <unistd.h>

#include "object/coff.h"
#include "object/dump_check.h"
#include "object/dump_disasm.h"
#include "tests/object/object_test_util.h"
#include "tests/object/sample_object.h"

namespace {

constexpr int MAX_CASES = 4000;
constexpr auto TIME_BUDGET = std::chrono::seconds(4);

// Offsets of the count and offset fields of the sample's headers and tables.
std::vector<size_t> field_offsets(const std::vector<uint8_t> &b) {
  std::vector<size_t> at = {2, 8, 12, 16};
  for (size_t s = 0; s < 5; s++)
    for (size_t f : {4, 16, 20, 24, 28, 32, 34}) at.push_back(38 + 40 * s + f);
  uint32_t symptr = le32(b, 8);
  for (size_t i = 0; i < SAMPLE_NSYMS; i++) {
    at.push_back(symptr + 20 * i + 4);   // name offset or aux offset
    at.push_back(symptr + 20 * i + 18);  // class and aux count
  }
  at.push_back(symptr + 20 * SAMPLE_NSYMS);  // string-table length
  return at;
}

std::vector<uint8_t> mutate(std::vector<uint8_t> b, const std::vector<size_t> &fields, std::mt19937 &rng) {
  auto pick = [&](size_t n) { return size_t(rng() % n); };
  switch (rng() % 5) {
    case 0: b.resize(pick(b.size())); break;
    case 1:
      for (int n = 1 + int(pick(8)); n > 0; n--) b[pick(b.size())] ^= uint8_t(1u << pick(8));
      break;
    case 2: put32(b, fields[pick(fields.size())], uint32_t(rng())); break;
    case 3: put16(b, fields[pick(fields.size())], uint16_t(rng() % 64)); break;
    default: {
      size_t at = pick(b.size());
      for (size_t n = pick(24); n > 0 && at < b.size(); n--, at++) b[at] = uint8_t(rng());
    }
  }
  return b;
}

// What a record read from any file must satisfy.
void check_record(const coff_file *f) {
  ASSERT_GE(coff_string_table_length(f), 4u);
  ASSERT_TRUE(f->file_hdr.f_nsyms == 0 || f->symbols);
  for (unsigned i = 0; i < f->file_hdr.f_nscns; i++) {
    const coff_section &s = f->sections[i];
    ASSERT_EQ(s.data != nullptr, s.header.s_size != 0 && s.header.s_scnptr != 0);
    ASSERT_TRUE(s.header.s_nreloc == 0 || s.relocs);
    ASSERT_TRUE(s.header.s_nlnno == 0 || s.lines);
  }
}

// Sends standard error to /dev/null while alive: the reader's messages are expected here.
struct QuietStderr {
  int saved = dup(2);
  QuietStderr() {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    close(null);
  }
  ~QuietStderr() {
    dup2(saved, 2);
    close(saved);
  }
};

TEST(CoffFuzz, MutatedObjectsNeverCrashTheReaderDumpOrWriter) {
  // Memory-backed files when the host has them: the loop writes one file per case.
  std::string dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "";
  std::string good = test_path("fuzz_good.o"), out = "/dev/null";
  std::string bad = dir.empty() ? test_path("fuzz_bad.o") : dir + "velc_object_fuzz_" + std::to_string(getpid()) + ".o";
  coff_file *f = sample_object_build(good.c_str());
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(coff_write(f), 1);
  coff_free(f);
  const std::vector<uint8_t> original = read_bytes(good);
  const std::vector<size_t> fields = field_offsets(original);
  std::mt19937 rng(20261206);
  FILE *sink = fopen("/dev/null", "w");
  ASSERT_NE(sink, nullptr);
  int accepted = 0, refused = 0, cases = 0;
  auto start = std::chrono::steady_clock::now();
  {
    QuietStderr quiet;
    for (; cases < MAX_CASES && std::chrono::steady_clock::now() - start < TIME_BUDGET; cases++) {
      write_bytes(bad, mutate(original, fields, rng));
      coff_file *g = coff_read(bad.c_str());
      if (!g) {
        refused++;
        continue;
      }
      accepted++;
      check_record(g);
      coff_fprint(sink, g);
      dump_disassemble(sink, g);
      dump_check(sink, g);
      coff_set_filename(g, out.c_str());
      coff_preWrite(g);
      coff_write(g);
      coff_free(g);
    }
  }
  fclose(sink);
  remove(good.c_str());
  remove(bad.c_str());
  // Both outcomes must have occurred, or the mutations tested nothing.
  EXPECT_GT(accepted, 0) << cases << " cases";
  EXPECT_GT(refused, 0) << cases << " cases";
  printf("fuzz: %d cases, %d read, %d refused\n", cases, accepted, refused);
}

}  // namespace
