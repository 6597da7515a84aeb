// Growable string: a new buffer from null, growth in whole 512-byte blocks
// exactly when the text and its terminator no longer fit, and appending a
// text that lies inside the buffer being grown.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "util/util.h"

namespace {

// The allocator may round a block up by a few bytes, never by a whole block;
// with AddressSanitizer it reports the size asked for, so there the capacity
// is checked exactly.
void s_expect_capacity(char *s, size_t blocks) {
  size_t usable = malloc_usable_size(s);
  EXPECT_GE(usable, blocks * 512);
  EXPECT_LT(usable, (blocks + 1) * 512);
#ifdef __SANITIZE_ADDRESS__
  EXPECT_EQ(usable, blocks * 512);
#endif
}

}  // namespace

TEST(Strcatdyn, NullStartsAnEmptyBlock) {
  char *s = strcatdyn(nullptr, "");
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s, "");
  s_expect_capacity(s, 1);
  free(s);
  std::string big(600, 'b');
  s = strcatdyn(nullptr, big.c_str());
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s, big);
  s_expect_capacity(s, 2);
  free(s);
}

TEST(Strcatdyn, GrowsOneBlockWhenTheTerminatorNoLongerFits) {
  std::string big(511, 'x');
  char *s = strcatdyn(nullptr, big.c_str());
  ASSERT_NE(s, nullptr);
  s_expect_capacity(s, 1);  // 511 characters and the terminator fill one block
  s = strcatdyn(s, "");
  s_expect_capacity(s, 1);
  s = strcatdyn(s, "y");  // 513 bytes with the terminator: a second block
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(strlen(s), 512u);
  EXPECT_EQ(s[511], 'y');
  s_expect_capacity(s, 2);
  std::string more(511, 'z');
  s = strcatdyn(s, more.c_str());  // 1023 characters still fit in two blocks
  s_expect_capacity(s, 2);
  s = strcatdyn(s, "!");
  s_expect_capacity(s, 3);
  std::string huge(2000, 'w');
  s = strcatdyn(s, huge.c_str());  // 3024 characters: several blocks at once
  EXPECT_EQ(strlen(s), 3024u);
  EXPECT_EQ(std::string(s).substr(1024), huge);
  EXPECT_EQ(s[1023], '!');
  s_expect_capacity(s, 6);
  free(s);
}

TEST(Strcatdyn, AppendsATextFromItsOwnBuffer) {
  std::string half(400, 'h');
  char *s = strcatdyn(nullptr, half.c_str());
  ASSERT_NE(s, nullptr);
  s = strcatdyn(s, s);  // the buffer moves while the text is still being read
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s, half + half);
  s = strcatdyn(s, s + 790);  // a tail of the text itself
  EXPECT_EQ(s, half + half + std::string(10, 'h'));
  s_expect_capacity(s, 2);
  free(s);
}
