// The road of one keystroke on the simulated desktop: a foreign application,
// the hook library's procedures, the generic target, the controller's window,
// and the completion's synthesized keys arriving back through the hook.
#include <gtest/gtest.h>

#include "output/GenericWordProcessor.h"
#include "output/HookLibrary.h"
#include "output/Keyboard.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "testsupport/SimDesktop.h"
#include "RecordingOwner.h"

namespace vorelio {
namespace {

constexpr uint8_t kF1 = 112;

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
  LinkedHookLibrary hooks;
  CKeyboard keyboard{desktop};
  CGenericWordProcessor target{loop, desktop, hooks};
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
  EXPECT_EQ(target.GetCaretPosition(), desktop.PointOf(application, 3));
}

TEST_F(KeystrokeRoadTest, ThePointerQueriesFollowTheSimulatedPointer) {
  ASSERT_TRUE(target.Attach(owner, application, keyboard));
  const WindowHandle other = desktop.AddApplication("app2", "/usr/bin/xterm");
  desktop.MoveMouse(desktop.PointOf(other, 0));
  EXPECT_FALSE(target.IsMouseOverTarget());
  desktop.MoveMouse(desktop.PointOf(application, 2));
  EXPECT_TRUE(target.IsMouseOverTarget());
  // An on-screen keyboard over the left half of the application: the
  // pointer goes to the first point of the application outside it.
  desktop.ClearLog();
  target.MoveMouseOutOf(ScreenRect{0, 0, 320, 100});
  EXPECT_EQ(desktop.Log(), "app1 mouse move 320,0");
  EXPECT_TRUE(target.IsMouseOverTarget());
  desktop.MoveMouse({700, 50});  // beside every application
  EXPECT_FALSE(target.IsMouseOverTarget());
}

}  // namespace
}  // namespace vorelio
