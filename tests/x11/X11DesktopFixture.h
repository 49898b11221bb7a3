// The fixture of the X11 desktop tests: a private Xvfb with the Portuguese
// keymap for the test suite, a plain X client with its window focused, the
// XTEST keystroke sink, and a destination window that records what the hook
// library reports. Tests skip when Xvfb cannot start.
#pragma once

// gtest before any X11 header: Xlib defines None, Bool, Status...
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hook/HookPredarin.h"
#include "hook/HookSystem.h"
#include "hook/x11/X11HookSystem.h"
#include "output/x11/X11KeystrokeSink.h"
#include "platform/MessageBox.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

#include <X11/extensions/XTest.h>

namespace vorelio::testing {

struct Posted {
  uint32_t message;
  std::uintptr_t wParam;
};

class RecordingHandler final : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
    posted.push_back({message, wParam});
  }
  std::string Characters() const {
    std::string text;
    for (const Posted& p : posted) {
      if (p.message == WM_HOOK_CHAR) text += static_cast<char>(p.wParam);
    }
    return text;
  }
  std::vector<std::uintptr_t> KeysDown() const {
    std::vector<std::uintptr_t> keys;
    for (const Posted& p : posted) {
      if (p.message == WM_HOOK_KEY_DOWN) keys.push_back(p.wParam);
    }
    return keys;
  }
  int Count(uint32_t message) const {
    int count = 0;
    for (const Posted& p : posted) count += p.message == message ? 1 : 0;
    return count;
  }
  std::vector<Posted> posted;
};

class X11Desktop : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new XvfbServer(); }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    if (!server_->IsRunning()) GTEST_SKIP() << "Xvfb could not start: no X11 tests";
    client_ = std::make_unique<RecordingWindow>(server_->Name());
    sink_ = std::make_unique<X11KeystrokeSink>(server_->Name());
    ASSERT_TRUE(sink_->IsOpen());
    destination_ = loop_.CreateWindow(handler_);
  }
  void TearDown() override {
    if (hookSystem_ == nullptr) return;
    TerminateHook();
    hook::UseHookSystem(nullptr, hook::StateSegment::kPrivate);
    hookSystem_.reset();
  }

  // The library hooks this test's server, with a state of its own.
  void UseServer() {
    hookSystem_ = hook::CreateX11HookSystem(server_->Name(), messages_);
    hook::UseHookSystem(hookSystem_.get(), hook::StateSegment::kPrivate);
  }
  void Hook() {
    UseServer();
    ASSERT_EQ(InitializeHook(client_->Client(), destination_), 1);
  }
  // Lets the client, the hook's thread and our loop catch up.
  // Injected keys travel through the server, the client and the recording
  // thread: wait until nothing new has arrived for 300 ms (at most 6 s), so
  // a loaded machine slows the test down instead of failing it.
  void Settle() {
    std::size_t lastText = SIZE_MAX;
    std::size_t lastPosted = SIZE_MAX;
    int quietRounds = 0;
    for (int round = 0; round < 120 && quietRounds < 6; ++round) {
      client_->Pump(40);
      loop_.WaitAndDispatch(10);
      const std::size_t text =
          client_->text.size() + client_->keyPresses + client_->buttonPresses;
      const std::size_t posted = handler_.posted.size();
      quietRounds = text == lastText && posted == lastPosted ? quietRounds + 1 : 0;
      lastText = text;
      lastPosted = posted;
    }
  }
  // A key the keystroke sink does not type (the keypad, Num Lock), by its
  // symbol, pressed and released.
  void TapSymbol(KeySym symbol) {
    Display* display = XOpenDisplay(server_->Name());
    const KeyCode keycode = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    XSync(display, False);
    XCloseDisplay(display);
  }
  // A click at a point of the screen (the client's first window by default).
  void Click(unsigned button, int x = 50, int y = 50) {
    Display* display = XOpenDisplay(server_->Name());
    XTestFakeMotionEvent(display, 0, x, y, CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
    XCloseDisplay(display);
  }

  static inline XvfbServer* server_ = nullptr;
  SteadyLoopClock clock_;
  MessageLoop loop_{clock_};
  RecordingHandler handler_;
  WindowHandle destination_ = 0;
  RecordingMessageBox messages_;
  std::unique_ptr<RecordingWindow> client_;
  std::unique_ptr<X11KeystrokeSink> sink_;
  std::unique_ptr<hook::HookSystem> hookSystem_;
};

}  // namespace vorelio::testing
