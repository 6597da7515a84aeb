// Helpers of the driver's end-to-end tests. In: the built compiler and the
// stand-in preprocessor. Out: a private tree per test and runs in it.
#include "driver_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

bool is_private_pfile(const std::string &arg, const std::string &dir, const std::string &base) {
  std::string prefix = "\"" + dir + "/" + base + "-";
  if (arg.rfind(prefix, 0) != 0 || arg.size() != prefix.size() + 9 || arg.compare(prefix.size() + 6, 3, ".i\"") != 0)
    return false;
  return std::all_of(arg.begin() + static_cast<long>(prefix.size()), arg.begin() + static_cast<long>(prefix.size()) + 6,
                     [](char c) { return isalnum(static_cast<unsigned char>(c)) != 0; });
}

void DriverRun::SetUp() {
  char pattern[] = "/tmp/velc-driver-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  root = fs::canonical(pattern).string();
  bin = root + "/bin";
  work = root + "/work";
  log = root + "/pp.log";
  tmp = root + "/tmp";
  fs::create_directories(bin);
  fs::create_directories(work);
  fs::create_directories(tmp);
  fs::copy_file(VELC_COMPILER, bin + "/velcqx-extended");
  fs::copy_file(STANDIN_CPPQX, bin + "/cppqx");
}

void DriverRun::TearDown() {
  // Every run deletes its private preprocessed file, whichever way it ends.
  EXPECT_TRUE(fs::is_empty(tmp)) << fs::directory_iterator(tmp)->path();
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

// In the child: working directory, output files, environment, program.
[[noreturn]] static void s_exec(const std::string &work, const std::string &out, const std::string &err,
                                const std::map<std::string, std::string> &env, const std::string &program,
                                const std::string &argv0, const std::vector<std::string> &args,
                                const std::string &bin) {
  if (chdir(work.c_str()) != 0)
    _exit(120);
  if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr))
    _exit(121);
  unsetenv("VELC_INCLUDE");
  for (const auto &[name, value] : env)
    setenv(name.c_str(), value.c_str(), 1);
  std::vector<char *> argv;
  argv.push_back(const_cast<char *>(argv0.empty() ? program.c_str() : argv0.c_str()));
  for (const std::string &arg : args)
    argv.push_back(const_cast<char *>(arg.c_str()));
  argv.push_back(nullptr);
  if (argv0.empty()) {
    execv(program.c_str(), argv.data());
  } else {
    setenv("PATH", bin.c_str(), 1);
    execvp(argv0.c_str(), argv.data());
  }
  _exit(122);
}

run_result DriverRun::run(const std::vector<std::string> &args, const std::map<std::string, std::string> &env,
                          const std::string &argv0) {
  std::map<std::string, std::string> all = env;
  all.emplace("STANDIN_LOG", log);
  all.emplace("TMPDIR", tmp);
  std::string out = root + "/stdout", err = root + "/stderr";
  fflush(stdout);
  fflush(stderr);
  pid_t pid = fork();
  if (pid == 0)
    s_exec(work, out, err, all, bin + "/velcqx-extended", argv0, args, bin);
  int status = 0;
  waitpid(pid, &status, 0);
  run_result result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
  result.out = read_file(out);
  result.err = read_file(err);
  return result;
}

std::vector<std::vector<std::string>> DriverRun::pp_vectors() const {
  std::vector<std::vector<std::string>> vectors(1);
  std::istringstream in(read_file(log));
  for (std::string line; std::getline(in, line);) {
    if (line == "--end--")
      vectors.emplace_back();
    else
      vectors.back().push_back(line);
  }
  vectors.pop_back();
  return vectors;
}

void DriverRun::add_input(const std::string &input, const std::string &name) const {
  fs::path target = fs::path(work) / name;
  fs::create_directories(target.parent_path());
  fs::copy_file(std::string(TEST_INPUTS) + "/" + input, target, fs::copy_options::overwrite_existing);
}

bool DriverRun::exists(const std::string &path_in_work) const { return fs::exists(fs::path(work) / path_in_work); }

std::string DriverRun::read(const std::string &path_in_work) const { return read_file(work + "/" + path_in_work); }

void DriverRun::write(const std::string &path_in_work, const std::string &text) const {
  fs::path target = fs::path(work) / path_in_work;
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary) << text;
}
