// predarin as a process on an X display, for the program's tests and
// benchmark: private folders as a new user has them (an installation
// folder copied from data/ with chosen profile options, an empty data home,
// a private runtime folder for the single-copy lock), the process started
// with them, and its main window found on the display.
#pragma once

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "output/x11/X11Foreground.h"

extern char** environ;

namespace vorelio::testing {

class ProgramFolders {
 public:
  // Under `root` (an existing folder ending in "/"); copies `shippedData`.
  ProgramFolders(const std::string& root, const std::string& shippedData) : root_(root) {
    std::filesystem::create_directories(Run());
    std::filesystem::permissions(Run(), std::filesystem::perms::owner_all);
    std::filesystem::copy(shippedData, Installation(), std::filesystem::copy_options::recursive);
  }

  // Sets options of the shipped "generico" profile before the first start.
  void SetProfileOptions(const std::map<std::string, std::string>& values) const {
    const std::string path = Installation() + "/generico.cfg";
    std::ifstream in(path, std::ios::binary);
    std::stringstream out;
    std::string line;
    while (std::getline(in, line)) {
      const std::string key = line.substr(0, line.find(' '));
      const auto value = values.find(key);
      out << (value == values.end() ? line : key + " " + value->second) << "\n";
    }
    in.close();
    std::ofstream(path, std::ios::binary) << out.str();
  }

  std::string Installation() const { return root_ + "installation"; }
  std::string DataHome() const { return root_ + "home"; }
  std::string Run() const { return root_ + "run"; }
  // The data folder a first start makes.
  std::string DataFolder() const { return DataHome() + "/Tessaral/Vorelio 3.0"; }

  // The environment of the program on `display`.
  // The sanitizers' settings of the test run reach it too, so that a
  // sanitized build of the program reports as its tests were told.
  std::vector<std::string> Environment(const std::string& display) const {
    std::vector<std::string> variables = {
        "DISPLAY=" + display,   "XDG_DATA_HOME=" + DataHome(),
        "XDG_RUNTIME_DIR=" + Run(), "VORELIO_INSTALL_DIR=" + Installation(),
        "HOME=" + root_ + "user", "PATH=/usr/bin:/bin",
        "LANG=C.UTF-8"};
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
      if (const char* value = std::getenv(name)) variables.push_back(std::string(name) + "=" + value);
    }
    return variables;
  }

 private:
  std::string root_;
};

// Starts `program` with `variables` as its whole environment, its output
// and errors going to `errorsPath`; -1 on failure. The program ends with
// the process that started it, however that ends: an orphan would hold the
// test runner's output open.
inline pid_t SpawnProgram(const std::string& program, std::vector<std::string> variables,
                          const std::string& errorsPath = "/dev/null") {
  std::vector<char*> environment;
  for (std::string& variable : variables) environment.push_back(variable.data());
  environment.push_back(nullptr);
  std::string path = program;
  char* arguments[] = {path.data(), nullptr};
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // The child: only calls that are safe after fork.
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != parent) _exit(127);
  const int errors = open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (errors >= 0) {
    dup2(errors, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
  }
  execve(path.c_str(), arguments, environment.data());
  _exit(127);
}

// Waits up to `ms` for the process to end (then kills it); its exit
// status, or -1 when it did not end by itself.
inline int ReapProgram(pid_t pid, int ms) {
  for (int waited = 0; waited < ms; waited += 5) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

// The program's main window once it is shown on `display`, looked for every
// `stepMs` for up to `ms` (`between` runs between looks); 0 when it never
// shows.
inline DesktopWindow WaitForMainWindow(const char* display, int ms, int stepMs,
                                       const std::function<void()>& between = {}) {
  X11Foreground desktop(display);
  // A window may go between listing and asking: ignore the errors (Xlib's
  // default handler would end the process).
  const auto previousHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  Display* connection = XOpenDisplay(display);
  DesktopWindow found = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (connection != nullptr && found == 0 && std::chrono::steady_clock::now() < end) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(connection, DefaultRootWindow(connection), &root, &parent, &children, &count)) {
      for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(connection, children[i], &attributes) &&
            attributes.map_state == IsViewable &&
            desktop.Title(children[i]).rfind("Vorelio V3.0", 0) == 0) {
          found = children[i];
        }
      }
      if (children != nullptr) XFree(children);
    }
    if (found != 0) break;
    if (between) {
      between();
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
    }
  }
  if (connection != nullptr) XCloseDisplay(connection);
  XSetErrorHandler(previousHandler);
  return found;
}

}  // namespace vorelio::testing
