// Tests of the message catalogue and the help listings.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <sstream>
#include <string>

#include "capture.h"
#include "driver/diag.h"

static const message_record *s_record(uint32_t number) {
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    if (message_table[i].number == number)
      return &message_table[i];
  return nullptr;
}

TEST(Catalogue, NumbersAreUniqueAndInTableOrder) {
  ASSERT_EQ(MESSAGE_TABLE_SZ, 211);
  std::set<uint32_t> seen;
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++) {
    EXPECT_TRUE(seen.insert(message_table[i].number).second) << message_table[i].number;
    if (i == 0)
      continue;
    uint32_t prev = message_table[i - 1].number, cur = message_table[i].number;
    // 1159 stands between 1114 and 1115; everything else ascends.
    if (cur == 1159)
      EXPECT_EQ(prev, 1114u);
    else if (prev == 1159)
      EXPECT_EQ(cur, 1115u);
    else
      EXPECT_LT(prev, cur) << "at index " << i;
  }
  for (uint32_t n : {100u, 104u, 154u, 1000u, 1099u, 1516u, 2001u, 2102u, 2103u, 3000u, 3003u})
    EXPECT_NE(s_record(n), nullptr) << n;
  EXPECT_EQ(s_record(4000), nullptr);
}

TEST(Catalogue, EveryListedRecordExplainsItself) {
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++) {
    const message_record &rec = message_table[i];
    ASSERT_NE(rec.short_text, nullptr);
    ASSERT_NE(rec.long_text, nullptr);
    bool without = rec.number == 1000 || rec.number == 101 || rec.number == 151 || rec.number == 153 ||
                   rec.number == 154;
    EXPECT_EQ(rec.long_text[0] == '\0', without) << rec.number;
  }
  EXPECT_STREQ(s_record(1099)->long_text, "source code '#error' directive message");
  EXPECT_STREQ(s_record(1099)->short_text, "%s");
}

// Conversions of every short text: only %s, %d, %ld, %c and %% occur, so
// that the arguments posted with a number always match its text.
TEST(Catalogue, ShortTextsUseOnlyKnownConversions) {
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++) {
    const char *t = message_table[i].short_text;
    EXPECT_LE(strlen(t), 128u) << message_table[i].number;
    for (const char *p = strchr(t, '%'); p; p = strchr(p, '%')) {
      bool known = !strncmp(p, "%s", 2) || !strncmp(p, "%d", 2) || !strncmp(p, "%c", 2) ||
                   !strncmp(p, "%ld", 3) || !strncmp(p, "%%", 2);
      EXPECT_TRUE(known) << message_table[i].number << ": " << t;
      p += (p[1] == 'l') ? 3 : 2;
    }
  }
  EXPECT_STREQ(s_record(1024)->short_text, "macro '%s' expects %d arguments, but only %d found");
  EXPECT_STREQ(s_record(1515)->short_text, "redefinition of case value %ld");
}

TEST(Catalogue, RetrieveMessage) {
  char buffer[64];
  strcpy(buffer, "untouched");
  retrieve_message(1105, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "symbol '%s' has not been defined");
  retrieve_message(1105, buffer, 7);
  EXPECT_STREQ(buffer, "symbol");
  strcpy(buffer, "untouched");
  retrieve_message(1001, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "untouched");
}

TEST(Listings, MessageListOmitsInternalRecords) {
  std::string out = capture_stdout(show_message_list);
  std::string expected;
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    if (message_table[i].number >= 500)
      expected += std::to_string(message_table[i].number) + ": " + message_table[i].short_text + "\n";
  EXPECT_EQ(out, expected);
  EXPECT_EQ(out.find("-internal-"), std::string::npos);
  EXPECT_EQ(out.rfind("1000: %s\n", 0), 0u);
}

TEST(Listings, HelpOfOneRecord) {
  EXPECT_EQ(capture_stdout([] { show_message_help(1105); }),
            std::string("1105: symbol '%s' has not been defined\n") + s_record(1105)->long_text + "\n");
  EXPECT_EQ(capture_stdout([] { show_message_help(102); }),
            "102: --no-extended cannot be specified to the extended mode compiler\n"
            "The --no-extended command-line option cannot be directly specified to the extended mode compiler. "
            "Please utilize the compiler shell (velcqx) if you wish to specify the --no-extended command-line "
            "option.\n");
  EXPECT_EQ(capture_stdout([] { show_message_help(1000); }), "1000: %s\n\n");
  EXPECT_EQ(capture_stdout([] { show_message_help(4242); }), "");
  // The internal records without a long text print a fixed explanation.
  std::string internal = capture_stdout([] { show_message_help(153); });
  EXPECT_EQ(internal.rfind("153: -internal- objFunctionBegin() - function '%s' is multiply defined.\n", 0), 0u);
  EXPECT_GT(internal.size(), strlen(s_record(153)->short_text) + 8);
}

TEST(Listings, HelpOfAllRecords) {
  std::string out = capture_stdout([] { show_message_help(0); });
  std::string expected;
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    if (message_table[i].number >= 500)
      expected += std::to_string(message_table[i].number) + ": " + message_table[i].short_text + "\n" +
                  message_table[i].long_text + "\n\n";
  EXPECT_EQ(out, expected);
}

// The whole catalogue, in table order, against the reviewed listing of every
// number and short text (tests/diag/expected/catalogue.txt); and the long
// texts that are fixed word for word.
TEST(Catalogue, MatchesTheReviewedListing) {
  std::string listed;
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    listed += std::to_string(message_table[i].number) + ": " + message_table[i].short_text + "\n";
  EXPECT_EQ(listed, read_file(DIAG_EXPECTED "/catalogue.txt"));

  std::istringstream fixed(read_file(DIAG_EXPECTED "/long_texts.txt"));
  int checked = 0;
  for (std::string line; std::getline(fixed, line); checked++) {
    size_t colon = line.find(": ");
    ASSERT_NE(colon, std::string::npos) << line;
    const message_record *rec = s_record(static_cast<uint32_t>(std::stoul(line.substr(0, colon))));
    ASSERT_NE(rec, nullptr) << line;
    EXPECT_EQ(std::string(rec->long_text), line.substr(colon + 2)) << rec->number;
  }
  EXPECT_EQ(checked, 16);
}
