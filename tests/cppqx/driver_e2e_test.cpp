// End to end through the compiler driver: velcqx-extended -E runs cppqx
// from its own directory with the driver's argument vector (quoted
// arguments, -I, -D, the device and model defines, VELC_INCLUDE), and a
// preprocessing error stops the compilation with status 1 and leaves the
// diagnostics in the error file.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <sys/wait.h>

#include "tests/support/files_and_commands.h"

namespace fs = std::filesystem;

static int s_run(const fs::path &dir, const std::string &args) {
  std::string cmd = "cd '" + dir.string() + "' && VELC_INCLUDE='" + (dir / "env").string() + ";/nonexistent' '" +
                    VELC_DRIVER_BIN + "' " + args + " > out.txt 2>&1";
  int raw = std::system(cmd.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

static fs::path s_setup(const std::string &name) {
  fs::path dir = fs::path(testing::TempDir()) / (name + "_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "inc");
  fs::create_directories(dir / "env");
  std::ofstream(dir / "inc" / "config.h") << "#ifndef CONFIG_H\n#define CONFIG_H\n#define RATE 9600\n#endif\n";
  std::ofstream(dir / "env" / "board.h") << "#define LEDS 4\n";
  return dir;
}

TEST(DriverEndToEnd, PreprocessOnlyWritesTheIFile) {
  fs::path dir = s_setup("cppqx_e2e_ok");
  std::ofstream(dir / "prog.c") << "#include <config.h>\n#include \"config.h\"\n#include <board.h>\n"
                                   "#pragma udata shared\n"
                                   "long rate = RATE; int leds = LEDS; int level = LEVEL;\n"
                                   "#if defined(__HARROW) && defined(__SMALL__) && defined(__EXTENDEDqx__)\n"
                                   "int target_ok;\n#endif\n";
  ASSERT_EQ(s_run(dir, "-E -Iinc -DLEVEL=3 prog.c"), 0) << read_file(dir / "out.txt");
  std::string text = read_file(dir / "prog.i");
  // Every file met gets a marker, also those that write no text.
  EXPECT_EQ(text, "#line 1 \"inc/config.h\"\n#line 1 \"" + (dir / "env" / "board.h").string() +
                      "\"\n#line 4 \"prog.c\"\n#pragma udata shared\nlong rate = 9600; int leds = 4; int level = 3;\n\n"
                      "int target_ok;\n");
  EXPECT_FALSE(fs::exists(dir / "prog.err")) << "nothing was reported";
  fs::remove_all(dir);
}

TEST(DriverEndToEnd, PreprocessingErrorStopsTheCompilation) {
  fs::path dir = s_setup("cppqx_e2e_err");
  std::ofstream(dir / "bad.c") << "int a;\n#error stop: RATE\n#include \"missing.h\"\nint b;\n";
  EXPECT_EQ(s_run(dir, "-E bad.c"), 1);
  std::string err = read_file(dir / "bad.err");
  std::string path = fs::canonical(dir / "bad.c").string();
  EXPECT_EQ(err, "Error[1099] " + path + " 2 : stop: RATE\nError[1027] " + path + " 3 : unable to locate 'missing.h'\n");
  std::string console = read_file(dir / "out.txt");
  EXPECT_NE(console.find(path + ":2:Error [1099] stop: RATE\n"), std::string::npos) << console;
  EXPECT_NE(console.find(path + ":3:Error [1027] unable to locate 'missing.h'\n"), std::string::npos) << console;
  fs::remove_all(dir);
}
