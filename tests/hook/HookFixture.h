// A simulated desktop with one application "app1" (hooked by the test) and a
// destination window that writes each report it receives as one word.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "hook/HookPredarin.h"
#include "platform/MessageBox.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"
#include "testsupport/SimDesktop.h"

namespace vorelio::testing {

// "down:65 char:a up:65 ldown move:15,50 ..."
class ReportRecorder : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  std::string log;
  std::intptr_t lastLParam = 0;
};

class HookTest : public ::testing::Test {
 protected:
  static constexpr uint8_t VK_CAPITAL = 0x14;
  static constexpr uint8_t VK_F5 = 0x74;

  uint32_t AppThread() const { return desktop.Application(app).thread; }
  // Hooks app1's thread towards the recorder and focuses app1.
  void Attach() {
    ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
    desktop.Focus(app);
    desktop.ClearLog();
  }
  // What reached the destination since the last call.
  std::string Reports() {
    loop.DispatchPending();
    std::string reports = std::move(recorder.log);
    recorder.log.clear();
    return reports;
  }

  RecordingMessageBox messages;
  sim::SimDesktop desktop{messages};
  ManualLoopClock clock;
  MessageLoop loop{clock};
  ReportRecorder recorder;
  WindowHandle destination = loop.CreateWindow(recorder);
  WindowHandle app = desktop.AddApplication("app1", "/usr/bin/gedit", "Sem nome - gedit");
};

}  // namespace vorelio::testing
