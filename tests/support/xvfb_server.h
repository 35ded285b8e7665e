#pragma once
// A private X server for tests that need real windows. The server picks a free display number
// itself and reports it once it accepts clients, so tests running side by side never share one.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace iv::test {

class XvfbServer {
 public:
  // `screen` as Xvfb takes it: width x height x depth.
  explicit XvfbServer(const char *screen = "640x480x24") {
    int report[2];
    if (pipe(report) != 0) return;
    const pid_t pid = fork();
    if (pid == 0) {
      close(report[0]);
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      const std::string fd = std::to_string(report[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", screen,
             nullptr);
      _exit(127);
    }
    close(report[1]);
    if (pid > 0) pid_ = pid;
    const std::string number = ReadLine(report[0]);
    close(report[0]);
    if (!number.empty()) name_ = ":" + number;
  }
  ~XvfbServer() { Stop(SIGTERM); }
  XvfbServer(const XvfbServer &) = delete;
  XvfbServer &operator=(const XvfbServer &) = delete;

  bool Running() const { return !name_.empty(); }
  // Ends the server with `signal`, as a crash or an operator would; its clients lose it.
  void Stop(int signal) {
    if (pid_ <= 0) return;
    kill(pid_, signal);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }
  // The DISPLAY value, such as ":1".
  const std::string &Name() const { return name_; }

 private:
  // The display number, or nothing when the server exits or stays silent for 10 s.
  static std::string ReadLine(int fd) {
    std::string line;
    pollfd wait{fd, POLLIN, 0};
    char ch;
    while (poll(&wait, 1, 10000) == 1 && read(fd, &ch, 1) == 1) {
      if (ch == '\n') return line;
      line += ch;
    }
    return {};
  }

  pid_t pid_ = -1;
  std::string name_;
};

}  // namespace iv::test
