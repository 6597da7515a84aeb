// End-to-end tests of one compilation's files and of the preprocessor run:
// the argument vector and its -tp dump, the names derived from the source,
// the deletion rules of the error, preprocessed and object files, and the
// failures to start or complete the preprocessor.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "device/processors.h"
#include "driver_run.h"

using FileRun = DriverRun;

TEST_F(FileRun, FullVectorDump) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-tp", "-w1", "-ml", "-I", "inc1", "-I", "dir two", "-D", "DEBUG", "-DRATE=9600", "-nw",
                      "2066", "-nw", "0x7d1", "prog.c"},
                     {{"VELC_INCLUDE", "/opt/h;/usr/h"}});
  EXPECT_EQ(r.status, 0) << r.out;
  std::string expected = read_file(std::string(TEST_DATA) + "/expected/tp_full_vector.txt");
  expected = replace_all(expected, "@BIN@", bin);
  expected = replace_all(expected, "@WORK@", work);
  expected = replace_all(expected, "@GENERIC@", getDvsProcName(PROC_GENERIC_ID));
  EXPECT_EQ(r.out, expected);

  // The preprocessor still ran and received exactly the dumped vector.
  auto vectors = pp_vectors();
  ASSERT_EQ(vectors.size(), 1u);
  std::string received;
  for (const std::string &arg : vectors[0])
    received += "\t\t" + arg + "\n";
  EXPECT_NE(expected.find(received), std::string::npos) << received;
}

TEST_F(FileRun, SmallModelWithoutIncludeVariable) {
  add_input("prog.c", "prog.c");
  run_result r = run({"prog.c", "-ms"});
  EXPECT_EQ(r.status, 0);
  auto v = pp_vectors().at(0);
  std::vector<std::string> tail(v.end() - 5, v.end() - 1);
  EXPECT_EQ(tail, (std::vector<std::string>{"--diagnostic-level=2", "-d__HARROW",
                                            std::string("-d__") + getDvsProcName(PROC_GENERIC_ID), "-d__SMALL__"}));
  EXPECT_EQ(std::count(v.begin(), v.end(), "-i"), 0);
}

TEST_F(FileRun, SourceInAnotherDirectoryKeepsOutputsHere) {
  add_input("prog.c", "src/prog.c");
  write("src/prog.o", "stale");
  write("prog.o", "stale");
  run_result r = run({"src/prog.c"});
  EXPECT_EQ(r.status, 0) << r.out;
  auto v = pp_vectors().at(0);
  ASSERT_GE(v.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(v.begin() + 1, v.begin() + 6),
            (std::vector<std::string>{"-o", "\"prog.i\"", "-e", "\"" + work + "/prog.err\"", "\"src/prog.c\""}));
  EXPECT_FALSE(exists("prog.i"));
  EXPECT_FALSE(exists("prog.err"));
  ASSERT_TRUE(exists("prog.o"));       // this run's object replaces the old one here
  EXPECT_EQ(read("prog.o").substr(0, 2), "\x40\x12");
  EXPECT_EQ(read("src/prog.o"), "stale");  // the source's directory is left alone
}

TEST_F(FileRun, SourceNamedWithoutExtension) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-tp", "prog"});
  EXPECT_EQ(r.status, 0);
  auto v = pp_vectors().at(0);
  EXPECT_EQ(v.at(5), "\"prog.c\"");
  EXPECT_EQ(v.at(2), "\"prog.i\"");

  r = run({"missing"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Error: unable to locate 'missing'\n");
  r = run({"missing.c"});
  EXPECT_EQ(r.err, "Error: unable to locate 'missing.c'\n");
  EXPECT_EQ(pp_vectors().size(), 1u);
}

TEST_F(FileRun, ExplicitErrorAndObjectNames) {
  add_input("prog.c", "prog.c");
  write("out/x.o", "stale");
  write("logs/keep", "");
  run_result r = run({"-fe", "logs/e.txt", "-fo=out/x.o", "prog.c"});
  EXPECT_EQ(r.status, 0);
  auto v = pp_vectors().at(0);
  EXPECT_EQ(v.at(4), "\"logs/e.txt\"");
  ASSERT_TRUE(exists("out/x.o"));
  EXPECT_EQ(read("out/x.o").substr(0, 2), "\x40\x12");  // an object, not the stale file
  EXPECT_FALSE(exists("logs/e.txt"));
  EXPECT_FALSE(exists("prog.err"));
}

TEST_F(FileRun, PreprocessOnlyKeepsThePreprocessedFile) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-E", "prog.c"});
  EXPECT_EQ(r.status, 0);
  ASSERT_TRUE(exists("prog.i"));
  EXPECT_NE(read("prog.i").find("INCF counter, 1, 0"), std::string::npos);
  EXPECT_FALSE(exists("prog.err"));
}

TEST_F(FileRun, PreprocessorFailureStopsWithStatusOne) {
  add_input("prog.c", "prog.c");
  write("prog.o", "stale");
  run_result r = run({"prog.c"}, {{"STANDIN_EXIT", "3"}, {"STANDIN_DIAG", "Error[1027] prog.c 1 : unable to locate 'x.h'"}});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  // The preprocessor's report stays; the compilation never started.
  EXPECT_EQ(read("prog.err"), "Error[1027] prog.c 1 : unable to locate 'x.h'\n");
  EXPECT_TRUE(exists("prog.o"));
}

TEST_F(FileRun, ErrorFileWithoutCompilerReportsIsDeleted) {
  add_input("prog.c", "prog.c");
  run_result r = run({"prog.c"}, {{"STANDIN_DIAG", "Warning[2002] prog.c 1 : unknown pragma 'x'"}});
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(exists("prog.err"));
  EXPECT_FALSE(exists("prog.i"));
}

TEST_F(FileRun, UnwritableErrorFile) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-fe", "no/such/dir/e.err", "prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "unable to open file no/such/dir/e.err");
}

// -fe naming something that cannot be opened for appending: the run stops,
// and the thing of that name is left alone.
TEST_F(FileRun, ErrorFileNameOfADirectoryIsRefusedAndKept) {
  add_input("prog.c", "prog.c");
  std::filesystem::create_directories(work + "/logs");
  run_result r = run({"-fe", "logs", "prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "unable to open file logs");
  EXPECT_TRUE(std::filesystem::is_directory(work + "/logs"));
}

// A preprocessed-file name taken by a directory cannot be read as the
// scanner's input: message 1500 names the source, and the run ends with 1.
TEST_F(FileRun, PreprocessedFileThatIsADirectory) {
  add_input("prog.c", "prog.c");
  std::filesystem::create_directories(work + "/prog.i");
  run_result r = run({"prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find(":Error [1500] unable to open file '" + work + "/prog.c'\n"), std::string::npos) << r.out;
  EXPECT_NE(read("prog.err").find("Error[1500] "), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(work + "/prog.i"));
}

TEST_F(FileRun, PreprocessorCannotBeStarted) {
  add_input("prog.c", "prog.c");
  std::filesystem::remove(bin + "/cppqx");
  run_result r = run({"prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Error executing " + bin + "/cppqx.  File or path is not found\n");

  // A file that is executable but holds no program.
  std::ofstream(bin + "/cppqx") << "\x7f" << "garbage";
  std::filesystem::permissions(bin + "/cppqx", std::filesystem::perms::owner_all);
  r = run({"prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Error executing " + bin +
                       "/cppqx.  Specified file is not executable or has invalid executable-file format\n");

  // Without execute permission the file is not executable either: the same
  // cause gets the same text.
  std::filesystem::permissions(bin + "/cppqx", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  r = run({"prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Error executing " + bin +
                       "/cppqx.  Specified file is not executable or has invalid executable-file format\n");
  EXPECT_FALSE(exists("prog.i"));
}

TEST_F(FileRun, ProgramFoundThroughSearchPath) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-tp", "prog.c"}, {}, "velcqx-extended");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\tExecutable:   " + bin + "/cppqx\n"), std::string::npos) << r.out;
  EXPECT_EQ(pp_vectors().size(), 1u);
}
