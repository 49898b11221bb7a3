// The road of one keystroke on the simulated desktop: a foreign application,
// the hook library's procedures, the generic target, the controller's window,
// and the completion's synthesized keys arriving back through the hook.
#include <gtest/gtest.h>

#include <optional>

#include "output/GenericWordProcessor.h"
#include "output/HookLibrary.h"
#include "output/Keyboard.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/sim/SimDesktop.h"
#include "RecordingOwner.h"

namespace vorelio {
namespace {

constexpr uint8_t kF1 = 112;

// The desktop queries answered by the simulated desktop.
class SimDesktopQueries final : public DesktopQueries {
 public:
  explicit SimDesktopQueries(sim::SimDesktop& desktop) : desktop_(desktop) {}
  uint32_t ThreadOfWindow(DesktopWindow window) override {
    return desktop_.Application(window).thread;
  }
  std::optional<ScreenPoint> CaretPosition(DesktopWindow window) override {
    const sim::ScreenPoint point = desktop_.PointOf(window, desktop_.Application(window).caret);
    return ScreenPoint{point.x, point.y};
  }
  bool IsPointerOver(DesktopWindow) override { return false; }
  std::optional<ScreenRect> ClientArea(DesktopWindow) override { return std::nullopt; }
  void MovePointer(ScreenPoint point) override { desktop_.MoveMouse({point.x, point.y}); }
  void BringToForeground(DesktopWindow window) override { desktop_.Focus(window); }

 private:
  sim::SimDesktop& desktop_;
};

class KeystrokeRoadTest : public ::testing::Test {
 protected:
  KeystrokeRoadTest()
      : application(desktop.AddApplication("app1", "/usr/bin/editor", "Sem titulo")),
        owner(loop.CreateWindow(controller)) {
    desktop.Focus(application);
  }
  const std::string& ApplicationText() { return desktop.Application(application).text; }

  ManualLoopClock clock;
  MessageLoop loop{clock};
  RecordingMessageBox messages;
  sim::SimDesktop desktop{messages};
  WindowHandle application;
  testing::RecordingOwner controller;
  WindowHandle owner;
  SimDesktopQueries queries{desktop};
  LinkedHookLibrary hooks;
  CKeyboard keyboard{desktop};
  CGenericWordProcessor target{loop, queries, hooks};
};

TEST_F(KeystrokeRoadTest, ACompletionTypedIntoTheApplicationComesBackThroughTheHook) {
  ASSERT_TRUE(target.Attach(owner, application, keyboard));
  target.AddSpecialKeys(kF1, kF1 + 9);  // the prediction keys

  desktop.TypeText("com");
  loop.DispatchPending();
  EXPECT_EQ(target.GetCurrentWordPrefix(), "com");
  EXPECT_EQ(controller.characters, "com");
  EXPECT_EQ(controller.keyDowns, 3);
  controller.Take();

  // The user picks the first suggestion with its key: swallowed, relayed.
  desktop.TapKey(kF1);
  loop.DispatchPending();
  EXPECT_EQ(ApplicationText(), "com");
  EXPECT_EQ(controller.keyDowns, 1);
  EXPECT_EQ(controller.Take().substr(0, 9), "down 112 ");

  // The controller expects the completion's keys back as program keys.
  const int synthesized = keyboard.CountTextKeystrokes("putador") + 1;
  target.CompleteWord("computador");
  loop.DispatchPending();
  EXPECT_EQ(ApplicationText(), "computador ");
  EXPECT_EQ(target.Model().Text(), "computador ");
  EXPECT_EQ(target.GetCurrentWordPrefix(), "");
  EXPECT_EQ(target.GetLastWord(), "computador");
  EXPECT_EQ(controller.characters, "putador |");  // the space ends the word once
  EXPECT_EQ(controller.keyDowns, synthesized);
  EXPECT_EQ(messages.messages.size(), 0u);

  target.Detach();
  EXPECT_FALSE(desktop.HookInstalled(hook::HookKind::kKeyboard,
                                     desktop.Application(application).thread));
}

TEST_F(KeystrokeRoadTest, AccentsTypedThroughDeadKeysReachTheModelAsOneCharacter) {
  ASSERT_TRUE(target.Attach(owner, application, keyboard));
  desktop.TypeText("Est\xE1 ");  // "Está "
  loop.DispatchPending();
  EXPECT_EQ(target.GetLastWord(), "Est\xE1");

  target.CompleteSentence("est\xE1 tudo bem?");
  loop.DispatchPending();
  EXPECT_EQ(ApplicationText(), "Est\xE1 tudo bem? ");
  EXPECT_EQ(target.GetLastSentence(), "Est\xE1 tudo bem?");
  EXPECT_EQ(controller.characters, "Est\xE1 |tudo |bem?| ");
}

TEST_F(KeystrokeRoadTest, AClickInTheApplicationMovesItsCaretAndClearsTheModel) {
  ASSERT_TRUE(target.Attach(owner, application, keyboard));
  desktop.TypeText("casa verde");
  loop.DispatchPending();
  desktop.Click(application, 2);
  loop.DispatchPending();
  EXPECT_EQ(target.GetCurrentWordPrefix(), "");
  // The model starts again from what is typed after the click.
  desktop.TypeText("x");
  loop.DispatchPending();
  EXPECT_EQ(ApplicationText(), "caxsa verde");
  EXPECT_EQ(target.Model().Text(), "x");
  const sim::ScreenPoint caret = desktop.PointOf(application, 3);
  EXPECT_EQ(target.GetCaretPosition(), (ScreenPoint{caret.x, caret.y}));
}

}  // namespace
}  // namespace vorelio
