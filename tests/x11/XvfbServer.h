// A private X server for one test program: Xvfb on a free display number,
// started with -noreset (a reset would drop the keymap) and given the
// Portuguese keymap. Tests skip when it cannot start.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

extern char** environ;

namespace vorelio::testing {

class XvfbServer {
 public:
  // `screen`: width x height x depth of its one screen.
  explicit XvfbServer(std::string screen = "640x480x24") : screen_(std::move(screen)) {
    running_ = Start();
    if (running_) {
      const std::string command = "setxkbmap -display " + name_ + " pt";
      running_ = std::system(command.c_str()) == 0;
    }
  }
  ~XvfbServer() { Kill(); }
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  bool IsRunning() const { return running_; }
  const char* Name() const { return name_.c_str(); }
  // Ends the server (as a crash of the X server would).
  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    running_ = false;
  }

 private:
  // Xvfb picks a free display number itself and writes it to a pipe
  // (-displayfd), so test programs running side by side never share one.
  bool Start() {
    int report[2];
    if (pipe(report) != 0) return false;
    const std::string reportFd = "3";
    const char* arguments[] = {"Xvfb", "-displayfd", reportFd.c_str(), "-noreset", "-nolisten",
                               "tcp", "-screen", "0", screen_.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], 3);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr,
                                     const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
      pid_ = -1;
      close(report[0]);
      return false;
    }
    // Up to 10 s for the number: the server is ready when it writes it.
    std::string number;
    pollfd wait{report[0], POLLIN, 0};
    while (poll(&wait, 1, 10000) > 0) {
      char digit = 0;
      if (read(report[0], &digit, 1) != 1 || digit == '\n') break;
      number += digit;
    }
    close(report[0]);
    if (number.empty()) {
      Kill();
      return false;
    }
    name_ = ":" + number;
    return true;
  }

  std::string screen_;
  std::string name_;
  pid_t pid_ = -1;
  bool running_ = false;
};

}  // namespace vorelio::testing
