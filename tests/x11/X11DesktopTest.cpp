// The X11 backends on a private Xvfb with the Portuguese keymap: text typed
// through the XTEST sink reaches a plain X client, and the hook reports the
// keys and characters typed into it, swallows the special keys and the
// captured clicks. Skipped when Xvfb cannot start.
#include "tests/x11/X11DesktopFixture.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "output/GenericWordProcessor.h"
#include "output/HookLibrary.h"
#include "output/Keyboard.h"
#include "output/x11/X11FocusWatcher.h"
#include "output/x11/X11Foreground.h"

namespace vorelio {
namespace {

using testing::RecordingWindow;
using testing::X11Desktop;

const std::string kPortugueseText = "a\xE7\xE3o \xE9 j\xE1";  // ação é já


TEST_F(X11Desktop, KeyScanAnswersForTheActiveKeymap) {
  EXPECT_EQ(sink_->KeyScan('a'), 'A');
  EXPECT_EQ(sink_->KeyScan('A'), 'A' | kScanShift);
  EXPECT_EQ(sink_->KeyScan('\x80'), 'E' | kScanCtrl | kScanAlt);  // € with AltGr
  EXPECT_EQ(sink_->KeyScan('\xB4'), 0xBA);                       // the dead acute
  EXPECT_EQ(sink_->KeyScan('\x85'), kNoKey);                     // … has no key
}

TEST_F(X11Desktop, TextTypedThroughTheKeyboardReachesTheClient) {
  CKeyboard keyboard(*sink_);
  keyboard.TypeText(kPortugueseText + " A\x80!");
  Settle();
  EXPECT_EQ(client_->text, kPortugueseText + " A\x80!");
}

TEST_F(X11Desktop, HookReportsTheKeysAndCharactersTypedIntoTheClient) {
  Hook();
  CKeyboard keyboard(*sink_);
  keyboard.TypeText(kPortugueseText);
  Settle();
  EXPECT_EQ(client_->text, kPortugueseText);
  EXPECT_EQ(handler_.Characters(), kPortugueseText);
  const std::vector<std::uintptr_t> keys = handler_.KeysDown();
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.front(), 'A');
  // The key downs are the ones the keyboard counts for its own text.
  EXPECT_EQ(static_cast<int32_t>(keys.size()), keyboard.CountTypedKeystrokes(kPortugueseText));
}

TEST_F(X11Desktop, ThirdLevelCharacterReportsAsManyKeyDownsAsCounted) {
  Hook();
  CKeyboard keyboard(*sink_);
  keyboard.TypeText("\x80@");
  Settle();
  EXPECT_EQ(client_->text, "\x80@");
  EXPECT_EQ(handler_.Characters(), "\x80@");
  EXPECT_EQ(static_cast<int32_t>(handler_.KeysDown().size()),
            keyboard.CountTypedKeystrokes("\x80@"));
}

TEST_F(X11Desktop, SpecialKeyReachesTheProgramAndNotTheClient) {
  Hook();
  AddSpecialKey('Z');
  CKeyboard keyboard(*sink_);
  keyboard.TypeText("aza");
  Settle();
  EXPECT_EQ(client_->text, "aa");
  EXPECT_EQ(handler_.Characters(), "aa");
  EXPECT_EQ(handler_.KeysDown(), (std::vector<std::uintptr_t>{'A', 'Z', 'A'}));
  DeleteSpecialKey('Z');
  keyboard.TypeText("z");
  Settle();
  EXPECT_EQ(client_->text, "aaz");
}

TEST_F(X11Desktop, CapturedClicksAreReportedAndDoNotReachTheClient) {
  Hook();
  AddMouseButtons();
  Click(1);
  Settle();
  EXPECT_EQ(client_->buttonPresses, 0);
  EXPECT_EQ(handler_.Count(WM_HOOK_LEFT_BUTTON_DOWN), 1);
  EXPECT_EQ(handler_.Count(WM_HOOK_LEFT_BUTTON_UP), 1);
  DeleteMouseButtons();
  Click(3);
  Settle();
  EXPECT_EQ(client_->buttonPresses, 1);
  EXPECT_EQ(handler_.Count(WM_HOOK_RIGHT_BUTTON_DOWN), 1);
}

// With Num Lock off a keypad key moves the caret, and the generic target's
// model moves with it; with Num Lock on it types its digit.
TEST_F(X11Desktop, KeypadKeysMoveTheTargetsModelWithoutNumLockAndTypeDigitsWithIt) {
  UseServer();
  X11Foreground foreground(server_->Name());
  LinkedHookLibrary hooks;
  CKeyboard keyboard(*sink_);
  CGenericWordProcessor target(loop_, foreground, hooks);
  ASSERT_TRUE(target.Attach(destination_, client_->Id(), keyboard));
  keyboard.TypeText("ola");
  Settle();
  TapSymbol(XK_KP_Left);
  Settle();
  keyboard.TypeText("x");
  Settle();
  EXPECT_EQ(target.Model().Text(), "olxa");
  EXPECT_EQ(handler_.KeysDown(), (std::vector<std::uintptr_t>{'O', 'L', 'A', 0x25, 'X'}));

  TapSymbol(XK_Num_Lock);
  TapSymbol(XK_KP_Left);  // the same key
  TapSymbol(XK_Num_Lock);  // off again for the other tests
  Settle();
  EXPECT_EQ(target.Model().Text(), "olx4a");
  EXPECT_EQ(handler_.KeysDown().back(), 0x90u);
  EXPECT_EQ(handler_.KeysDown().end()[-2], 0x64u);  // VK_NUMPAD4
  EXPECT_EQ(client_->text, "olax4");
  target.Detach();
}

TEST_F(X11Desktop, KeySequenceCtrlAWorks) {
  Hook();
  CKeyboard keyboard(*sink_);
  keyboard.TypeKeySequence("Ctrl+a");
  Settle();
  EXPECT_EQ(client_->text, "\x01");
  EXPECT_EQ(handler_.Characters(), "\x01");
  EXPECT_EQ(handler_.KeysDown(), (std::vector<std::uintptr_t>{0x11, 'A'}));
}

TEST_F(X11Desktop, KeysOfAnotherClientAreNotReported) {
  Hook();
  RecordingWindow other(server_->Name());
  CKeyboard keyboard(*sink_);
  keyboard.TypeText("ab");
  Settle();
  other.Pump(50);
  EXPECT_EQ(other.text, "ab");
  EXPECT_TRUE(handler_.posted.empty());
}

TEST_F(X11Desktop, ForegroundIsTheFocusedClientWindow) {
  X11Foreground foreground(server_->Name());
  EXPECT_EQ(foreground.Foreground(), client_->Id());
  EXPECT_EQ(foreground.ThreadOfWindow(client_->Id()), client_->Client());
  // No caret on X11: the focused window's corner stands for it.
  Display* mover = XOpenDisplay(server_->Name());
  XMoveWindow(mover, client_->Id(), 40, 30);
  XSync(mover, False);
  const auto caret = foreground.CaretPosition(client_->Id());
  XMoveWindow(mover, client_->Id(), 0, 0);
  XSync(mover, False);
  XCloseDisplay(mover);
  ASSERT_TRUE(caret.has_value());
  EXPECT_EQ(*caret, (ScreenPoint{40, 30}));
  EXPECT_FALSE(foreground.CaretPosition(client_->Id() + 12345).has_value());
  const auto area = foreground.ClientArea(client_->Id());
  ASSERT_TRUE(area.has_value());
  EXPECT_EQ(area->right - area->left, 300);
  foreground.MovePointer({20, 20});
  EXPECT_TRUE(foreground.IsPointerOver(client_->Id()));
  client_->Destroy();
  EXPECT_EQ(foreground.ThreadOfWindow(client_->Id()), 0u);
  EXPECT_EQ(foreground.Title(client_->Id()), "");
  EXPECT_FALSE(foreground.ClientArea(client_->Id()).has_value());
  foreground.BringToForeground(client_->Id());  // gone: nothing happens
}

TEST_F(X11Desktop, FocusWatcherTellsOfEachFocusMoveAndNothingElse) {
  std::atomic<int> changes{0};
  X11FocusWatcher watcher(server_->Name(), [&changes] { ++changes; });
  ASSERT_TRUE(watcher.IsWatching());
  const auto settle = [&] {
    for (int i = 0; i < 20; ++i) {
      client_->Pump(10);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  };
  settle();
  const int before = changes;
  // A window made after the watcher started is watched too.
  const Window later = client_->OpenWindow(320, 0);
  settle();
  const int afterOpening = changes;
  client_->Focus(later);
  settle();
  EXPECT_GT(changes, afterOpening);
  const int afterFirstMove = changes;
  client_->Focus();
  settle();
  EXPECT_GT(changes, afterFirstMove);
  // Typing moves no focus.
  const int afterSecondMove = changes;
  CKeyboard keyboard(*sink_);
  keyboard.TypeText("ab");
  settle();
  EXPECT_EQ(changes, afterSecondMove);
  EXPECT_GE(afterOpening, before);
}

TEST_F(X11Desktop, FocusWatcherWithoutDisplayWatchesNothing) {
  X11FocusWatcher watcher(":97531", [] {});
  EXPECT_FALSE(watcher.IsWatching());
}

TEST_F(X11Desktop, OddInputIsSilent) {
  Hook();
  CKeyboard keyboard(*sink_);
  keyboard.TapNamedKey("NaoExiste");       // not a key name: typed as text
  keyboard.PressNamedKey("\x85");           // no key for the character
  keyboard.ReleaseNamedKey("\x85");
  keyboard.TypeText("\x85\x81");
  sink_->SendKeyEvent(0xFF, true);          // no key for the code
  sink_->SendKeyEvent(0xFF, false);
  Settle();
  EXPECT_EQ(client_->text, "NaoExiste");
  // The destination went away: the reports are dropped.
  loop_.DestroyWindow(destination_);
  keyboard.TypeText("ok");
  Settle();
  EXPECT_EQ(client_->text, "NaoExisteok");
  EXPECT_TRUE(messages_.messages.empty());
}

}  // namespace
}  // namespace vorelio
