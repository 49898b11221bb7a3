// A private X server for one test program: Xvfb on a free display number,
// started with -noreset (a reset would drop the keymap) and given the
// Portuguese keymap. Tests skip when it cannot start.
#pragma once

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

extern char** environ;

namespace vorelio::testing {

class XvfbServer {
 public:
  XvfbServer() {
    for (int number = 91; number < 140 && !running_; ++number) {
      if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock") ||
          std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) {
        continue;
      }
      name_ = ":" + std::to_string(number);
      running_ = Start();
    }
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
  bool Start() {
    std::string screen = "640x480x24";
    const char* arguments[] = {"Xvfb", name_.c_str(), "-noreset", "-nolisten", "tcp",
                               "-screen", "0", screen.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr,
                                     const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
      pid_ = -1;
      return false;
    }
    // Up to 10 s for the server to accept connections.
    for (int attempt = 0; attempt < 200; ++attempt) {
      if (Display* display = XOpenDisplay(name_.c_str())) {
        XCloseDisplay(display);
        return true;
      }
      if (waitpid(pid_, nullptr, WNOHANG) == pid_) break;  // it gave up
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Kill();
    return false;
  }

  std::string name_;
  pid_t pid_ = -1;
  bool running_ = false;
};

}  // namespace vorelio::testing
