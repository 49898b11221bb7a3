// The real program, predarin, started as a user starts it on a private Xvfb
// with the Portuguese keymap and on private folders (ProgramProcess.h).
// Skipped when Xvfb cannot start.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "tests/program/ProgramProcess.h"
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

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
    folders_ = std::make_unique<ProgramFolders>(folder_.Path(), VORELIO_DATA_DIR);
  }
  void TearDown() override {
    for (pid_t pid : programs_) {
      kill(pid, SIGTERM);
      ReapProgram(pid, 10000);
    }
  }

  void SetProfileOptions(const std::map<std::string, std::string>& values) {
    folders_->SetProfileOptions(values);
  }
  pid_t StartProgram() {
    const pid_t pid = SpawnProgram(VORELIO_PROGRAM, folders_->Environment(server_->Name()),
                                   folder_.File("program-errors.txt"));
    EXPECT_GT(pid, 0);
    if (pid > 0) programs_.push_back(pid);
    return pid;
  }
  // Ends the program as the session's end does; its exit status.
  int Stop(pid_t pid) {
    Forget(pid);
    kill(pid, SIGTERM);
    return ReapProgram(pid, 10000);
  }
  // The process ended by itself: nothing to stop at the end.
  void Forget(pid_t pid) {
    programs_.erase(std::remove(programs_.begin(), programs_.end(), pid), programs_.end());
  }
  // The main window, once shown (up to 15 s), pumping `client` meanwhile.
  DesktopWindow WaitForMainWindow(RecordingWindow* client = nullptr) {
    return testing::WaitForMainWindow(server_->Name(), 15000, 50, [client] {
      if (client != nullptr) client->Pump(50);
    });
  }

  std::string DataFolder() const { return folders_->DataFolder(); }
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
  std::unique_ptr<ProgramFolders> folders_;

 private:
  std::vector<pid_t> programs_;
};

inline XvfbServer* RunningProgram::server_ = nullptr;

}  // namespace vorelio::testing
