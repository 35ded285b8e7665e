#pragma once
// Runs a shell command for end-to-end tests and captures its exit status and output.
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace iv::test {

struct CommandResult {
  int status = -1;     // exit status, or -1 when the command did not exit normally
  std::string output;  // stdout, and stderr unless `withStderr` is false
};

inline CommandResult RunCommand(const std::string &command, bool withStderr = true) {
  CommandResult result;
  FILE *pipe = popen((withStderr ? command + " 2>&1" : command).c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline int CountLines(const std::string &text, const std::string &line) {
  std::istringstream stream(text);
  std::string current;
  int count = 0;
  while (std::getline(stream, current)) count += current == line;
  return count;
}

}  // namespace iv::test
