// The X server goes away while the hook observes it and the sink types into
// it: everything goes quiet, nothing ends the process or hangs.
#include <gtest/gtest.h>

#include <memory>

#include "hook/HookPredarin.h"
#include "hook/HookSystem.h"
#include "hook/x11/X11HookSystem.h"
#include "output/Keyboard.h"
#include "output/x11/X11Foreground.h"
#include "output/x11/X11KeystrokeSink.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

namespace vorelio {
namespace {

class NoHandler final : public MessageHandler {
 public:
  void HandleMessage(uint32_t, std::uintptr_t, std::intptr_t) override {}
};

TEST(X11ServerLoss, HookSinkAndForegroundGoQuiet) {
  testing::XvfbServer server;
  if (!server.IsRunning()) GTEST_SKIP() << "Xvfb could not start: no X11 tests";
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  NoHandler handler;
  const WindowHandle destination = loop.CreateWindow(handler);
  RecordingMessageBox messages;
  auto client = std::make_unique<testing::RecordingWindow>(server.Name());
  X11KeystrokeSink sink(server.Name());
  X11Foreground foreground(server.Name());
  auto system = hook::CreateX11HookSystem(server.Name(), messages);
  // A private X server is a desktop of its own: so is the hook state
  // (test programs run side by side share the user's segment otherwise).
  hook::UseHookSystem(system.get(), hook::StateSegment::kPrivate);
  ASSERT_EQ(InitializeHook(client->Client(), destination), 1);
  CKeyboard keyboard(sink);
  keyboard.TypeText("ola");

  server.Kill();
  keyboard.TypeText("adeus");
  AddSpecialKey('A');  // grabs on a lost connection
  AddMouseButtons();
  EXPECT_EQ(foreground.Foreground(), 0u);
  EXPECT_EQ(foreground.Title(client->Id()), "");
  client->Pump(20);
  loop.WaitAndDispatch(20);
  EXPECT_FALSE(sink.IsOpen());
  EXPECT_EQ(sink.KeyScan('a'), kNoKey);

  TerminateHook();  // ends the backend's thread
  hook::UseHookSystem(nullptr, hook::StateSegment::kPrivate);
  system.reset();
  client.reset();
  // A new backend on a display with no server fails quietly. (Not the
  // killed server's number: another test program's Xvfb may take it now.)
  auto again = hook::CreateX11HookSystem(":65535", messages);
  hook::UseHookSystem(again.get(), hook::StateSegment::kPrivate);
  EXPECT_EQ(InitializeHook(1, destination), 0);
  TerminateHook();
  hook::UseHookSystem(nullptr, hook::StateSegment::kPrivate);
}

}  // namespace
}  // namespace vorelio
