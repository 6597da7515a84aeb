// Helpers many test programs share: the whole content of a file, a text
// with every occurrence of another replaced, and a shell command's exit
// status with what it printed on standard output.
#ifndef VELC_TESTS_SUPPORT_FILES_AND_COMMANDS_H
#define VELC_TESTS_SUPPORT_FILES_AND_COMMANDS_H

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// The whole content of a file ("" when it cannot be read).
inline std::string read_file(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every occurrence of from in text replaced by to, left to right.
inline std::string replace_all(std::string text, const std::string &from, const std::string &to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

struct CommandRun {
  int status;       // exit status, -1 when the command did not end normally
  std::string out;  // standard output (redirect in the command for more)
};

inline CommandRun run_command(const std::string &command) {
  CommandRun r{-1, ""};
  FILE *p = popen(command.c_str(), "r");
  if (!p)
    return r;
  char buf[512];
  while (fgets(buf, sizeof buf, p))
    r.out += buf;
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

#endif
