// The real program, predarin, started as a user starts it, on a private
// Xvfb with the Portuguese keymap and on private folders: an installation
// folder copied from data/ with the profile options a test asks for, an
// empty data home (so the first start fills it) and a private runtime
// folder for the single-copy lock. Keys are typed with XTEST as a person
// types them. Skipped when Xvfb cannot start.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "output/x11/X11Foreground.h"
#include "output/x11/X11KeystrokeSink.h"
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

extern char** environ;

namespace vorelio::testing {

class RunningProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new XvfbServer(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    if (!server_->IsRunning()) GTEST_SKIP() << "Xvfb could not start: no program tests";
    std::filesystem::create_directories(Run());
    std::filesystem::permissions(Run(), std::filesystem::perms::owner_all);
    std::filesystem::copy(VORELIO_DATA_DIR, Installation(),
                          std::filesystem::copy_options::recursive);
  }
  void TearDown() override {
    for (pid_t pid : programs_) Stop(pid);
  }

  // Sets options of the shipped "generico" profile before the first start.
  void SetProfileOptions(const std::map<std::string, std::string>& values) {
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

  // Starts predarin; its process.
  pid_t StartProgram() {
    std::vector<std::string> variables = {
        std::string("DISPLAY=") + server_->Name(), "XDG_DATA_HOME=" + DataHome(),
        "XDG_RUNTIME_DIR=" + Run(), "VORELIO_INSTALL_DIR=" + Installation(),
        "HOME=" + folder_.File("user"), "PATH=/usr/bin:/bin", "LANG=C.UTF-8"};
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string program = VORELIO_PROGRAM;
    char* arguments[] = {program.data(), nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, arguments, environment.data()), 0);
    programs_.push_back(pid);
    return pid;
  }
  // Ends the program as the session's end does; its exit status, or -1.
  int Stop(pid_t pid) {
    if (std::find(programs_.begin(), programs_.end(), pid) == programs_.end()) return -1;
    programs_.erase(std::find(programs_.begin(), programs_.end(), pid));
    kill(pid, SIGTERM);
    return Reap(pid, 10000);
  }
  // Waits up to `ms` for the process to end; its exit status, or -1.
  static int Reap(pid_t pid, int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
  }
  void Forget(pid_t pid) { programs_.erase(std::find(programs_.begin(), programs_.end(), pid)); }

  // The program's main window, once it shows (up to 15 s); 0 when it does not.
  DesktopWindow WaitForMainWindow(RecordingWindow* pumped = nullptr) {
    X11Foreground desktop(server_->Name());
    for (int waited = 0; waited < 15000; waited += 50) {
      Display* display = XOpenDisplay(server_->Name());
      Window root = 0;
      Window parent = 0;
      Window* children = nullptr;
      unsigned int count = 0;
      DesktopWindow found = 0;
      if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
          if (desktop.Title(children[i]).rfind("Vorelio V3.0", 0) == 0) found = children[i];
        }
        if (children != nullptr) XFree(children);
      }
      XCloseDisplay(display);
      if (found != 0) return found;
      if (pumped != nullptr) {
        pumped->Pump(50);
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
    }
    return 0;
  }

  // The data folder the first start made.
  std::string DataFolder() const { return DataHome() + "/Tessaral/Vorelio 3.0"; }
  // The contents of the event logs of the data folder.
  std::string EventLogs() const {
    std::string all;
    if (!std::filesystem::is_directory(DataFolder())) return all;
    for (const auto& entry : std::filesystem::directory_iterator(DataFolder())) {
      if (entry.path().extension() != ".log") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      all += std::string(std::istreambuf_iterator<char>(in), {});
    }
    return all;
  }

  static XvfbServer* server_;
  TempFolder folder_;

 private:
  std::string Installation() const { return folder_.File("installation"); }
  std::string DataHome() const { return folder_.File("home"); }
  std::string Run() const { return folder_.File("run"); }

  std::vector<pid_t> programs_;
};

inline XvfbServer* RunningProgram::server_ = nullptr;

}  // namespace vorelio::testing
