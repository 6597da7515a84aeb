// Reading and writing failures: each message names the file, the partial
// record is released and null comes back; a missing optional header is only
// a warning. Files are forged by patching the bytes of a valid object.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "object/coff.h"
#include "tests/object/object_test_util.h"
#include "tests/object/sample_object.h"

namespace {

struct ReadErrors : ::testing::Test {
  std::string good = test_path("good.o");
  std::string bad = test_path("bad.o");
  std::vector<uint8_t> bytes;
  void SetUp() override {
    coff_file *f = sample_object_build(good.c_str());
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(coff_write(f), 1);
    coff_free(f);
    bytes = read_bytes(good);
  }
  void TearDown() override {
    remove(good.c_str());
    remove(bad.c_str());
  }
  // Reads the patched bytes; returns the message and whether a record came back.
  std::string read_bad(const std::vector<uint8_t> &b, bool *ok) {
    write_bytes(bad, b);
    testing::internal::CaptureStderr();
    coff_file *f = coff_read(bad.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    *ok = f != nullptr;
    coff_free(f);
    return err;
  }
  std::string msg(const char *format) {
    char buf[512];
    snprintf(buf, sizeof buf, format, bad.c_str());
    return buf;
  }
};

constexpr size_t SCN0 = 38;  // first section header

TEST_F(ReadErrors, MissingFileCannotBeOpened) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(coff_read(bad.c_str()), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), msg("Could not open file '%s'.\n"));
}

// A directory is not a file the reader can open, although the host lets
// fopen succeed on one.
TEST_F(ReadErrors, DirectoryCannotBeOpened) {
  std::string dir = test_path("folder.o");
  ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(coff_read(dir.c_str()), nullptr);
  std::string err = testing::internal::GetCapturedStderr();
  rmdir(dir.c_str());
  EXPECT_EQ(err, "Could not open file '" + dir + "'.\n");
}

TEST_F(ReadErrors, WrongMagicIsNotAnObject) {
  bool ok;
  std::vector<uint8_t> b = bytes;
  b[0] = 0x41;
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', does not appear to be a valid COFF file.\n"));
  EXPECT_FALSE(ok);
  b = bytes;
  b[1] = 0x13;
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', does not appear to be a valid COFF file.\n"));
  EXPECT_FALSE(ok);
  EXPECT_EQ(read_bad(std::vector<uint8_t>(4096, 0), &ok), msg("File '%s', does not appear to be a valid COFF file.\n"));
  EXPECT_FALSE(ok);
}

TEST_F(ReadErrors, TruncatedHeadersAreReported) {
  bool ok;
  std::vector<uint8_t> b(bytes.begin(), bytes.begin() + 19);
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read COFF file header.\n"));
  EXPECT_FALSE(ok);
  EXPECT_EQ(read_bad({}, &ok), msg("File '%s', could not read COFF file header.\n"));
  b.assign(bytes.begin(), bytes.begin() + 37);
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read COFF optional file header.\n"));
  EXPECT_FALSE(ok);
}

TEST_F(ReadErrors, StringTableOutsideTheFileIsReported) {
  bool ok;
  std::vector<uint8_t> b(bytes.begin(), bytes.end() - 1);
  // Cut inside the string table: its length word now claims more than is left.
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read COFF string table.\n"));
  EXPECT_FALSE(ok);
  b = bytes;
  put32(b, 12, 0x7fffffff);  // f_nsyms pushes the string table past the end
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read COFF string table length.\n"));
  EXPECT_FALSE(ok);
  b = bytes;
  uint32_t strtab = le32(bytes, 8) + 20 * SAMPLE_NSYMS;
  put32(b, strtab, 3);  // shorter than its own length word
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read COFF string table.\n"));
  EXPECT_FALSE(ok);
}

TEST_F(ReadErrors, SectionPiecesOutsideTheFileAreReported) {
  bool ok;
  // One section header announced, but the file ends inside it (the empty
  // string table sits where the header should begin).
  std::vector<uint8_t> b(42, 0);
  put16(b, 0, 0x1240);
  put16(b, 2, 1);
  put32(b, 8, 38);
  put16(b, 16, 18);
  put32(b, 38, 4);
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read section header.\n"));
  EXPECT_FALSE(ok);
  b = bytes;
  put32(b, SCN0 + 20, 0xfffffff0);  // s_scnptr of the code section
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read raw data.\n"));
  EXPECT_FALSE(ok);
  b = bytes;
  put16(b, SCN0 + 34, 0xffff);  // s_nlnno
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read line numbers.\n"));
  EXPECT_FALSE(ok);
  b = bytes;
  put32(b, SCN0 + 40 + 24, uint32_t(b.size()) - 11);  // s_relptr of section 2: one byte short
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', could not read relocation info.\n"));
  EXPECT_FALSE(ok);
}

TEST_F(ReadErrors, OptionalHeaderOfAnotherSizeIsOnlyAWarning) {
  // No sections, no symbols, no optional header: 20 bytes of header, then the string table.
  std::vector<uint8_t> b(24, 0);
  put16(b, 0, 0x1240);
  put32(b, 20, 4);
  bool ok;
  EXPECT_EQ(read_bad(b, &ok), msg("File '%s', missing COFF optional file header.\n"));
  EXPECT_TRUE(ok);
}

TEST(WriteErrors, FullDeviceAndUnopenablePath) {
  coff_file *f = sample_object_build("/dev/full");
  ASSERT_NE(f, nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(coff_write(f), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "File '/dev/full' could not write COFF file header.\n");
  ASSERT_TRUE(coff_set_filename(f, "/nonexistent-folder/x.o"));
  testing::internal::CaptureStderr();
  EXPECT_EQ(coff_write(f), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  coff_free(f);
}

}  // namespace
