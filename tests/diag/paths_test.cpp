// Tests of the path services: directory and file parts with both
// separators, the size protocol of pathdir, and absolute paths.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "driver/paths.h"

static std::string s_dir(const char *path, size_t *len = nullptr) {
  char buffer[64];
  size_t n = pathdir(buffer, path, sizeof buffer);
  if (len)
    *len = n;
  return buffer;
}

TEST(PathDir, DirectoryPartEndsInASeparator) {
  size_t len = 0;
  EXPECT_EQ(s_dir("src/drv/uart.c", &len), "src/drv/");
  EXPECT_EQ(len, 8u);
  EXPECT_EQ(s_dir("uart.c", &len), "./");
  EXPECT_EQ(len, 2u);
  EXPECT_EQ(s_dir("/uart.c", &len), "/");
  EXPECT_EQ(len, 1u);
  // A backslash splits too; the separator appended on this host is "/".
  EXPECT_EQ(s_dir("C:\\work\\uart.c", &len), "C:\\work/");
  EXPECT_EQ(len, 8u);
  // A directory part that already ends in a separator gets none appended.
  EXPECT_EQ(s_dir("a//b.c", &len), "a/");
  EXPECT_EQ(len, 2u);
  EXPECT_EQ(s_dir("a\\/b.c"), "a\\");
  // The last "/" wins over any backslash; backslashes count only without one.
  EXPECT_EQ(s_dir("a\\b/c\\d.c"), "a\\b/");
  EXPECT_EQ(s_dir("a/b\\c.c"), "a/");
}

TEST(PathDir, SizeProtocol) {
  EXPECT_EQ(pathdir(nullptr, "a/b/c.c", 0), 5u);  // "a/b" + separator + terminator
  EXPECT_EQ(pathdir(nullptr, "c.c", 0), 2u);
  char small[5];
  memset(small, 'q', sizeof small);
  EXPECT_EQ(pathdir(small, "abcd/e.c", sizeof small), 6u);
  EXPECT_EQ(small[0], 'q');  // nothing written
  char exact[6];
  EXPECT_EQ(pathdir(exact, "abcd/e.c", sizeof exact), 5u);
  EXPECT_STREQ(exact, "abcd/");
  char tiny[1];
  tiny[0] = 'q';
  EXPECT_EQ(pathdir(tiny, "e.c", 1), 2u);
  EXPECT_EQ(tiny[0], 'q');
}

// Without a separator the result is "." and a separator: three bytes with
// the terminator. A buffer of two is too small, so nothing may be written,
// and the size reported stays the documented 2.
TEST(PathDir, NoDirectoryNeverOverrunsASmallBuffer) {
  char guard[4];
  memset(guard, 'q', sizeof guard);
  EXPECT_EQ(pathdir(guard, "e.c", 2), 2u);
  EXPECT_EQ(std::string(guard, sizeof guard), "qqqq");
  char fits[3];
  EXPECT_EQ(pathdir(fits, "e.c", sizeof fits), 2u);
  EXPECT_STREQ(fits, "./");
}

TEST(PathFile, PartBehindTheLastSeparator) {
  EXPECT_STREQ(pathfile("src/drv/uart.c"), "uart.c");
  EXPECT_STREQ(pathfile("C:\\work\\uart.c"), "uart.c");
  EXPECT_STREQ(pathfile("a\\b/c\\d.c"), "c\\d.c");
  EXPECT_STREQ(pathfile("uart.c"), "uart.c");
  EXPECT_STREQ(pathfile("dir/"), "");
}

TEST(FullPath, ExistingAndMissingFiles) {
  char cwd[PATH_MAX];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  char real_cwd[PATH_MAX];
  ASSERT_NE(realpath(cwd, real_cwd), nullptr);
  char out[PATH_MAX];
  velc_fullpath(out, ".", sizeof out);
  EXPECT_STREQ(out, real_cwd);
  velc_fullpath(out, "no-such-file.c", sizeof out);
  EXPECT_EQ(std::string(out), std::string(cwd) + "/no-such-file.c");
  velc_fullpath(out, "/no/such/abs.c", sizeof out);
  EXPECT_STREQ(out, "/no/such/abs.c");
  char cut[8];
  velc_fullpath(cut, "/no/such/abs.c", sizeof cut);
  EXPECT_STREQ(cut, "/no/suc");
}
