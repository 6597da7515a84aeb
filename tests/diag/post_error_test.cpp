// Tests of post_error and the uncatalogued reporters: the console and
// error-file formats, counting, the level filter, suppression, the error
// limit and fatal unwinding, the error file's deletion, and the
// internal-error report. Each counting scenario runs in a fresh process.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "capture.h"
#include "driver/diag.h"
#include "driver/settings.h"

namespace {

char s_temp_dir[64];

void s_remove_temp_dir() {
  if (ferrptr)
    fclose(ferrptr);
  ferrptr = nullptr;
  std::error_code ignored;
  std::filesystem::remove_all(s_temp_dir, ignored);
}

// A private directory to work in, removed when the process ends; yyfilename
// names prog.c inside it.
std::string s_enter_temp_dir() {
  strcpy(s_temp_dir, "/tmp/velc-diag-XXXXXX");
  REQUIRE(mkdtemp(s_temp_dir) != nullptr);
  atexit(s_remove_temp_dir);
  REQUIRE(chdir(s_temp_dir) == 0);
  char cwd[512];
  REQUIRE(getcwd(cwd, sizeof cwd) != nullptr);
  strcpy(yyfilename, "prog.c");
  yylineno = 12;
  return cwd;
}

// Posts one message; returns its console text and whether it unwound.
std::string s_post(long number, const char *arg, bool *unwound = nullptr) {
  bool thrown = false;
  std::string out = capture_stdout([&] {
    try {
      post_error(number, arg);
    } catch (const FatalUnwind &) {
      thrown = true;
    }
  });
  if (unwound)
    *unwound = thrown;
  return out;
}

bool s_exists(const char *path) { return access(path, F_OK) == 0; }

}  // namespace

TEST(PostError, ConsoleAndErrorFileFormats) {
  IN_FRESH_PROCESS({
    std::string dir = s_enter_temp_dir();
    REQUIRE(error_init("prog.err") == 0);
    error_level = 3;
    REQUIRE_EQ(s_post(1105, "x"), dir + "/prog.c:12:Error [1105] symbol 'x' has not been defined\n");
    yylineno = 40;
    REQUIRE_EQ(s_post(2002, "weird"), dir + "/prog.c:40:Warning [2002] unknown pragma 'weird'\n");
    REQUIRE_EQ(s_post(3002, nullptr),
               dir + "/prog.c:40:Message [3002] comparison of a signed integer to an unsigned integer detected\n");
    fflush(ferrptr);
    REQUIRE_EQ(read_file("prog.err"), "Error[1105] " + dir + "/prog.c 12 : symbol 'x' has not been defined\n" +
                                      "Warning[2002] " + dir + "/prog.c 40 : unknown pragma 'weird'\n" +
                                      "Message[3002] " + dir +
                                      "/prog.c 40 : comparison of a signed integer to an unsigned integer detected\n");
    REQUIRE_EQ(get_error_count(), 1u);
    REQUIRE_EQ(get_warning_count(), 1u);
    REQUIRE_EQ(get_message_count(), 1u);
  });
}

TEST(PostError, WithoutErrorFileOnlyTheConsoleIsWritten) {
  IN_FRESH_PROCESS({
    std::string dir = s_enter_temp_dir();
    REQUIRE(ferrptr == nullptr);
    REQUIRE_EQ(s_post(1500, "a.c"), dir + "/prog.c:12:Error [1500] unable to open file 'a.c'\n");
    REQUIRE_EQ(get_error_count(), 1u);
    print_error(nullptr, "%d", 1);  // an absent stream is ignored
  });
}

TEST(PostError, LevelFilterStillCounts) {
  IN_FRESH_PROCESS({
    s_enter_temp_dir();
    error_level = 1;
    REQUIRE_EQ(s_post(2066, nullptr), "");
    REQUIRE_EQ(s_post(3000, nullptr), "");
    REQUIRE_EQ(get_warning_count(), 1u);
    REQUIRE_EQ(get_message_count(), 1u);
    error_level = 2;
    REQUIRE_EQ(s_post(3000, nullptr), "");
    REQUIRE(s_post(2066, nullptr).find("Warning [2066]") != std::string::npos);
    REQUIRE_EQ(get_warning_count(), 2u);
    REQUIRE_EQ(get_message_count(), 2u);
    // Numbers from 4000 on are shown as messages but never counted.
    REQUIRE_EQ(s_post(4000, nullptr), "");
    error_level = 3;
    REQUIRE(s_post(4000, nullptr).find(":Message [4000] ") != std::string::npos);
    REQUIRE_EQ(get_error_count(), 0u);
    REQUIRE_EQ(get_warning_count(), 2u);
    REQUIRE_EQ(get_message_count(), 2u);
  });
}

TEST(PostError, SuppressedMessagesAreNeitherShownNorCounted) {
  IN_FRESH_PROCESS({
    s_enter_temp_dir();
    REQUIRE(!is_message_suppressed(2066));
    suppress_message(2066);
    suppress_message(2066);
    suppress_message(3002);
    REQUIRE(is_message_suppressed(2066));
    REQUIRE(!is_message_suppressed(2065));
    error_level = 3;
    REQUIRE_EQ(s_post(2066, nullptr), "");
    REQUIRE_EQ(s_post(3002, nullptr), "");
    REQUIRE_EQ(get_warning_count(), 0u);
    REQUIRE_EQ(get_message_count(), 0u);
    REQUIRE(s_post(2065, "f") != "");
    REQUIRE_EQ(get_warning_count(), 1u);
    error_uninit();  // frees the set
    REQUIRE(!is_message_suppressed(2066));
  });
}

TEST(PostError, TwentyFifthErrorIsPrintedThenUnwinds) {
  IN_FRESH_PROCESS({
    s_enter_temp_dir();
    REQUIRE(error_init("prog.err") == 0);
    bool unwound = false;
    for (int i = 1; i <= 24; i++) {
      s_post(1105, "v", &unwound);
      REQUIRE(!unwound);
    }
    std::string last = s_post(1101, nullptr, &unwound);
    REQUIRE(unwound);
    REQUIRE(last.find("Error [1101] lvalue required") != std::string::npos);
    REQUIRE_EQ(get_error_count(), 25u);
    // yyerror neither checks the limit nor unwinds.
    capture_stdout([] { yyerror("syntax error"); });
    REQUIRE_EQ(get_error_count(), 26u);
    fflush(ferrptr);
    std::string text = read_file("prog.err");
    REQUIRE_EQ(std::count(text.begin(), text.end(), '\n'), 26);
  });
}

TEST(PostError, FatalUnwindsEvenAtTheLowestLevel) {
  IN_FRESH_PROCESS({
    std::string dir = s_enter_temp_dir();
    error_level = 1;
    bool unwound = false;
    std::string out = s_post(104, nullptr, &unwound);
    REQUIRE(unwound);
    REQUIRE_EQ(out, dir + "/prog.c:12:Fatal [104] a non-extended mode device cannot be specified to the extended "
                          "mode compiler\n");
    REQUIRE_EQ(get_error_count(), 1u);
  });
}

TEST(PostError, UncataloguedNumberIsReportedAsInternal) {
  IN_FRESH_PROCESS({
    std::string dir = s_enter_temp_dir();
    REQUIRE_EQ(s_post(1001, nullptr), dir + "/prog.c:12:Error [1001] -internal- unknown message number 1001\n");
    REQUIRE_EQ(get_error_count(), 1u);
  });
}

TEST(Reporters, UncataloguedFormatsAndLevels) {
  IN_FRESH_PROCESS({
    std::string dir = s_enter_temp_dir();
    REQUIRE(error_init("prog.err") == 0);
    error_level = 1;
    REQUIRE_EQ(capture_stdout([] { yyerror("yacc stack %s", "overflow"); }),
               dir + "/prog.c:12:Error: yacc stack overflow\n");
    REQUIRE_EQ(capture_stdout([] { yywarning("w%d", 1); }), "");
    REQUIRE_EQ(get_warning_count(), 0u);  // not counted below its level
    error_level = 2;
    REQUIRE_EQ(capture_stdout([] { yywarning("w%d", 2); }), dir + "/prog.c:12:Warning: w2\n");
    REQUIRE_EQ(capture_stdout([] { yymessage("m"); }), "");
    error_level = 3;
    REQUIRE_EQ(capture_stdout([] { yymessage("m%s", "3"); }), dir + "/prog.c:12:Message: m3\n");
    REQUIRE_EQ(get_error_count(), 1u);
    REQUIRE_EQ(get_warning_count(), 1u);
    REQUIRE_EQ(get_message_count(), 1u);
    // The suppression set does not apply to them.
    suppress_message(2066);
    fflush(ferrptr);
    REQUIRE_EQ(read_file("prog.err"), "Error[yy] " + dir + "/prog.c 12 : yacc stack overflow\nWarning[yy] " + dir +
                                      "/prog.c 12 : w2\nMessage[yy] " + dir + "/prog.c 12 : m3\n");
  });
}

TEST(ErrorFile, AppendsToWhatThePreprocessorWrote) {
  IN_FRESH_PROCESS({
    std::string dir = s_enter_temp_dir();
    { std::ofstream("prog.err") << "Error[1027] prog.c 3 : unable to locate 'a.h'\n"; }
    REQUIRE(error_init("prog.err") == 0);
    s_post(1105, "y");
    error_uninit();
    REQUIRE(ferrptr == nullptr);
    REQUIRE_EQ(read_file("prog.err"), "Error[1027] prog.c 3 : unable to locate 'a.h'\nError[1105] " + dir +
                                      "/prog.c 12 : symbol 'y' has not been defined\n");
    REQUIRE(error_init("no/such/dir/x.err") != 0);
  });
}

// An error file that could not be opened was never this run's: closing the
// diagnostics must not delete whatever carries that name.
TEST(ErrorFile, NameThatCannotBeOpenedIsNeverDeleted) {
  IN_FRESH_PROCESS({
    s_enter_temp_dir();
    REQUIRE(mkdir("logs", 0755) == 0);
    REQUIRE(error_init("logs") != 0);
    REQUIRE(ferrptr == nullptr);
    error_uninit();
    REQUIRE(s_exists("logs"));
  });
}

// Posts one diagnostic at a level, closes the diagnostics and tells whether
// the error file is still there.
static bool s_error_file_kept(int level, long number) {
  s_enter_temp_dir();
  error_level = level;
  REQUIRE(error_init("prog.err") == 0);
  s_post(number, "v");
  error_uninit();
  return s_exists("prog.err");
}

TEST(ErrorFile, DeletedWhenNothingWasShown) {
  IN_FRESH_PROCESS(REQUIRE(!s_error_file_kept(1, 2066)));  // a warning hidden by -w1
  IN_FRESH_PROCESS(REQUIRE(!s_error_file_kept(2, 3002)));  // a message hidden by -w2
  IN_FRESH_PROCESS(REQUIRE(s_error_file_kept(3, 3002)));   // a message shown by -w3
  IN_FRESH_PROCESS(REQUIRE(s_error_file_kept(1, 1105)));   // errors always stay
  IN_FRESH_PROCESS(REQUIRE(s_error_file_kept(2, 2066)));
}

// The error file is deleted only when it is a plain file: a device, a pipe
// or a symbolic link (and what it points to) stays. Each row opens the name
// as the error file of a run that reports nothing.
static void s_close_quietly(const char *name) {
  error_level = 2;
  REQUIRE(error_init(name) == 0);
  error_uninit();
}

static bool s_has_type(const char *name, mode_t type) {
  struct stat info;
  return lstat(name, &info) == 0 && (info.st_mode & S_IFMT) == type;
}

TEST(ErrorFile, OnlyAPlainFileIsDeleted) {
  IN_FRESH_PROCESS({
    s_enter_temp_dir();
    REQUIRE(mkfifo("pipe.err", 0600) == 0);
    // A reader keeps opening the pipe for appending from blocking.
    int reader = open("pipe.err", O_RDONLY | O_NONBLOCK);
    REQUIRE(reader >= 0);
    s_close_quietly("pipe.err");
    close(reader);
    REQUIRE(s_has_type("pipe.err", S_IFIFO));

    { std::ofstream("target.txt") << "kept\n"; }
    REQUIRE(symlink("target.txt", "link.err") == 0);
    s_close_quietly("link.err");
    REQUIRE(s_has_type("link.err", S_IFLNK));
    REQUIRE_EQ(read_file("target.txt"), "kept\n");

    s_close_quietly("plain.err");
    REQUIRE(!s_exists("plain.err"));

    // /dev/null itself is used only where the run could not delete it (not
    // root), or after a device node of this folder's own (the same device;
    // creating it needs root) was kept.
    bool safe = geteuid() != 0;
    if (!safe && mknod("null.err", S_IFCHR | 0666, makedev(1, 3)) == 0 && error_init("null.err") == 0) {
      error_uninit();
      REQUIRE(s_has_type("null.err", S_IFCHR));
      safe = true;
    }
    if (safe) {
      s_close_quietly("/dev/null");
      REQUIRE(s_has_type("/dev/null", S_IFCHR));
    }
  });
}

TEST(InternalErrorDeathTest, NamesThePositionUntilTranslationEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        strcpy(yyfilename, "src/uart.c");
        yylineno = 42;
        show_assert_lineno = 1;
        VELC_ASSERT(1 == 2);
      },
      "^Internal compiler error processing src/uart.c: 42\n$");
  EXPECT_DEATH(
      {
        show_assert_lineno = 0;
        __assert("x", "f.c", 1);
      },
      "^Internal compiler error\n$");
}
