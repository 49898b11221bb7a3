#include "output/GenericWordProcessor.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "output/Keyboard.h"
#include "output/RecordingKeystrokeSink.h"
#include "output/TargetSelection.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"
#include "RecordingOwner.h"

namespace vorelio {
namespace {

constexpr DesktopWindow kApplication = 0x4000001;
constexpr uint32_t kApplicationThread = 77;

// Records what the target asks of the desktop, as "; "-separated text.
class FakeDesktop final : public DesktopQueries {
 public:
  uint32_t ThreadOfWindow(DesktopWindow window) override {
    return window == kApplication ? kApplicationThread : 0;
  }
  std::optional<ScreenPoint> CaretPosition(DesktopWindow) override { return caret; }
  bool IsPointerOver(DesktopWindow) override { return false; }
  std::optional<ScreenRect> ClientArea(DesktopWindow window) override {
    if (window != kApplication) return std::nullopt;
    return clientArea;
  }
  void MovePointer(ScreenPoint point) override {
    Log("pointer " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
  void BringToForeground(DesktopWindow window) override {
    Log("foreground " + std::to_string(window));
  }
  void Log(const std::string& entry) { log += (log.empty() ? "" : "; ") + entry; }

  std::optional<ScreenPoint> caret;
  ScreenRect clientArea{100, 200, 300, 400};
  std::string log;
};

class FakeHookLibrary final : public HookLibrary {
 public:
  bool InitializeHook(uint32_t thread, std::uintptr_t window) override {
    Log("initialize " + std::to_string(thread));
    destination = window;
    return initializeSucceeds;
  }
  void TerminateHook() override { Log("terminate"); }
  void AddSpecialKey(int virtualKey) override { Log("add " + std::to_string(virtualKey)); }
  void DeleteSpecialKey(int virtualKey) override { Log("delete " + std::to_string(virtualKey)); }
  bool IsSpecialKey(int virtualKey) override { return virtualKey == specialKey; }
  void AddMouseButtons() override { Log("capture"); }
  void DeleteMouseButtons() override { Log("release"); }
  bool CapsLockOn() override { return capsLock; }
  void Log(const std::string& entry) { log += (log.empty() ? "" : "; ") + entry; }

  bool initializeSucceeds = true;
  bool capsLock = false;
  int specialKey = -1;
  std::uintptr_t destination = 0;
  std::string log;
};

class GenericWordProcessorTest : public ::testing::Test {
 protected:
  GenericWordProcessorTest() : owner(loop.CreateWindow(recorder)) {}

  // What the hook library would post to the target's window.
  void Hook(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam = 0) {
    ASSERT_TRUE(PostMessageTo(target.OwnWindow(), message, wParam, lParam));
    loop.DispatchPending();
  }
  void HookText(std::string_view text) {
    for (char c : text) Hook(WM_HOOK_CHAR, static_cast<unsigned char>(c));
  }
  // Relayed messages since the last call.
  std::string Relayed() {
    loop.DispatchPending();
    return recorder.Take();
  }

  ManualLoopClock clock;
  MessageLoop loop{clock};
  testing::RecordingOwner recorder;
  WindowHandle owner;
  FakeDesktop desktop;
  FakeHookLibrary hooks;
  RecordingKeystrokeSink sink;
  CKeyboard keyboard{sink};
  CGenericWordProcessor target{loop, desktop, hooks};
};

TEST_F(GenericWordProcessorTest, AttachHooksTheTargetsThreadForItsOwnWindowAndDetachUndoesIt) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  EXPECT_EQ(hooks.log, "initialize 77");
  EXPECT_EQ(hooks.destination, target.OwnWindow());
  EXPECT_EQ(target.GetTargetWindow(), kApplication);

  const WindowHandle ownWindow = target.OwnWindow();
  target.Detach();
  target.Detach();
  EXPECT_EQ(hooks.log, "initialize 77; terminate");
  EXPECT_FALSE(IsWindow(ownWindow));
  EXPECT_FALSE(PostMessageTo(ownWindow, WM_HOOK_CHAR, 'a', 0));  // late reports are dropped
  EXPECT_EQ(target.GetTargetWindow(), 0u);
  target.CompleteWord("casa");  // detached: types nothing
  EXPECT_EQ(sink.Events(), "");
}

TEST_F(GenericWordProcessorTest, AFailedHookLeavesNothingInstalled) {
  hooks.initializeSucceeds = false;
  EXPECT_FALSE(target.Attach(owner, kApplication, keyboard));
  // The hooks installed before the failure are removed at once.
  EXPECT_EQ(hooks.log, "initialize 77; terminate");
  EXPECT_EQ(target.OwnWindow(), 0u);
  EXPECT_FALSE(IsWindow(hooks.destination));
  target.Detach();  // the controller detaches a failed target: nothing more
  EXPECT_EQ(hooks.log, "initialize 77; terminate");
}

TEST_F(GenericWordProcessorTest, KeysAndCharactersUpdateTheModelAndAreRelayedInOrder) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  HookText("ola");
  Hook(WM_HOOK_KEY_DOWN, 37, 0x14B0001);  // Left, with its key flags
  Hook(WM_HOOK_KEY_UP, 37);
  Hook(WM_HOOK_KEY_DOWN, 37);
  HookText("x");
  EXPECT_EQ(target.Model().Text(), "oxla");
  EXPECT_EQ(target.Model().Caret(), 2);
  EXPECT_EQ(Relayed(),
            "char o; char l; char a; down 37 (21692417); up 37; down 37; char x");

  target.Detach();
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  HookText("fim.");
  EXPECT_EQ(Relayed(), "char f; char i; char m; char .; word end; sentence end");
  HookText(". ");
  EXPECT_EQ(Relayed(), "char .; sentence end; char  ");
  EXPECT_EQ(target.GetLastSentence(), ".");
  EXPECT_EQ(target.GetContextSentenceBeforeLast(), "fim.");
}

TEST_F(GenericWordProcessorTest, PageKeysResetTheModelUnlessTheHookSwallowedThem) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  HookText("casa");
  Hook(WM_HOOK_KEY_DOWN, 33);  // Page Up moved the application's caret
  EXPECT_EQ(target.GetCurrentSentence(), "");

  HookText("casa");
  hooks.specialKey = 33;
  Hook(WM_HOOK_KEY_DOWN, 33);  // swallowed: the application saw nothing
  EXPECT_EQ(target.GetCurrentSentence(), "casa");
}

TEST_F(GenericWordProcessorTest, ClicksThatPassThroughForgetTheText) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  HookText("casa ve");
  Relayed();
  Hook(WM_HOOK_LEFT_BUTTON_DOWN, 0);
  Hook(WM_HOOK_LEFT_BUTTON_UP, 0);
  EXPECT_EQ(target.GetCurrentWordPrefix(), "");
  EXPECT_EQ(target.GetLastWord(), "");
  EXPECT_EQ(Relayed(), "left down; left up");

  for (uint32_t button : {WM_HOOK_RIGHT_BUTTON_DOWN, WM_HOOK_MIDDLE_BUTTON_DOWN}) {
    HookText("ve");
    Hook(button, 0);
    EXPECT_EQ(target.GetCurrentWord(), "") << button;
  }
  EXPECT_EQ(desktop.log, "");
}

TEST_F(GenericWordProcessorTest, SwallowedClicksBringTheTargetToTheFrontAndKeepTheText) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  target.CaptureMouseButtons();
  HookText("casa ve");
  Relayed();
  Hook(WM_HOOK_LEFT_BUTTON_DOWN, 0);
  Hook(WM_HOOK_RIGHT_BUTTON_DOWN, 0);
  Hook(WM_HOOK_MIDDLE_BUTTON_UP, 0);
  EXPECT_EQ(target.GetCurrentWordPrefix(), "ve");
  EXPECT_EQ(desktop.log, "foreground " + std::to_string(kApplication));
  EXPECT_EQ(Relayed(), "left down; right down; middle up");

  target.ReleaseMouseButtons();
  Hook(WM_HOOK_LEFT_BUTTON_DOWN, 0);
  EXPECT_EQ(target.GetCurrentWordPrefix(), "");
  EXPECT_EQ(hooks.log, "initialize 77; capture; release");
}

TEST_F(GenericWordProcessorTest, MouseMovesAreRelayedOnlyWhenThePointChanges) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  const std::uintptr_t point = (20u << 16) | 10u;
  Hook(WM_HOOK_MOUSE_MOVE, 0);  // the point last relayed starts at (0, 0)
  Hook(WM_HOOK_MOUSE_MOVE, point);
  Hook(WM_HOOK_MOUSE_MOVE, point);
  Hook(WM_HOOK_MOUSE_MOVE, point + 1);
  Hook(WM_HOOK_MOUSE_MOVE, point);
  EXPECT_EQ(Relayed(), "move " + std::to_string(point) + "; move " + std::to_string(point + 1) +
                           "; move " + std::to_string(point));
}

TEST_F(GenericWordProcessorTest, CompletionsAndErasuresTypeThroughTheKeyboard) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  HookText("casa ve");
  target.CompleteWord("verde");
  EXPECT_EQ(sink.Events(), "down 82; up 82; down 68; up 68; down 69; up 69; down 32; up 32");
  sink.Clear();
  target.EraseCurrentWord();
  EXPECT_EQ(sink.Events(), "down 8; up 8; down 8; up 8");
  sink.Clear();
  target.EraseSentenceBeforeCaret();
  EXPECT_EQ(sink.KeyDowns(), 7);
  sink.Clear();
  // The trailing space is typed already: "Boa tarde" types "tarde" and a space.
  HookText(". boa ");
  target.CompleteSentence("boa tarde");
  EXPECT_EQ(sink.KeyDowns(), 6);
  EXPECT_EQ(sink.Events().substr(0, 15), "down 84; up 84;");  // t
  // The model changes only when the hook reports the typed keys.
  EXPECT_EQ(target.GetTextBeforeCaret(), " boa ");
  // Previews show the case Caps Lock in the application will give.
  hooks.capsLock = true;
  EXPECT_EQ(target.GetSentencePreview("boa tarde"), "boa TARDE");
  EXPECT_EQ(target.AdjustWordCase("Casa"), "cASA");
}

TEST_F(GenericWordProcessorTest, SpecialKeyRangesAndTheNeutralEditorOperations) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  hooks.log.clear();
  target.AddSpecialKeys(112, 114);
  target.DeleteSpecialKeys(113, 113);
  target.AddSpecialKeys(5, 4);  // an empty range
  EXPECT_EQ(hooks.log, "add 112; add 113; add 114; delete 113");

  // A foreign application has no message editor: nothing is typed.
  HookText("sim");
  EXPECT_TRUE(target.IsCaretTouchingWord());
  EXPECT_FALSE(target.AddPictogram({}, "bom dia", "[bom dia]"));
  target.DeleteCurrentWord();
  target.DeleteSentenceBeforeCaret();
  EXPECT_EQ(sink.Events(), "");
  EXPECT_EQ(target.GetContextTextBeforeCaret(), "sim");
}

TEST_F(GenericWordProcessorTest, TheCaretPositionIsTheLastOneTheDesktopKnew) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  EXPECT_EQ(target.GetCaretPosition(), (ScreenPoint{0, 0}));
  desktop.caret = ScreenPoint{12, 34};
  EXPECT_EQ(target.GetCaretPosition(), (ScreenPoint{12, 34}));
  desktop.caret.reset();  // no longer known: the last position stays
  EXPECT_EQ(target.GetCaretPosition(), (ScreenPoint{12, 34}));
}

TEST_F(GenericWordProcessorTest, MoveMouseOutOfTakesTheFirstClientPointOutsideTheArea) {
  ASSERT_TRUE(target.Attach(owner, kApplication, keyboard));
  // The client area is x 100..299, y 200..399.
  const struct {
    ScreenRect area;
    std::string expected;
  } cases[] = {
      {{0, 0, 50, 50}, "pointer 100,200"},       // elsewhere: the top-left corner
      {{90, 190, 150, 250}, "pointer 100,250"},  // over the corner: below it
      {{90, 190, 150, 400}, "pointer 150,200"},  // the whole left band: the next column
      {{90, 250, 150, 300}, "pointer 100,200"},  // below the top edge
      {{0, 0, 1000, 1000}, ""},                  // covers the client area: nowhere to go
  };
  for (const auto& c : cases) {
    desktop.log.clear();
    target.MoveMouseOutOf(c.area);
    EXPECT_EQ(desktop.log, c.expected) << c.area.left << "," << c.area.top;
  }
}

TEST(TargetSelectionTest, TheForegroundWindowChoosesTheTarget) {
  const TargetChoice own = ChooseTarget({1, true, "Vorelio"}, true);
  EXPECT_EQ(own.kind, TargetKind::kInternalEditor);
  EXPECT_EQ(own.logName, "INTERNAL_WORD_PROCESSOR");
  EXPECT_EQ(ChooseTarget({1, true, "Vorelio"}, false).kind, TargetKind::kNone);
  EXPECT_EQ(ChooseTarget({0, false, ""}, true).kind, TargetKind::kNone);

  const TargetChoice editor = ChooseTarget({7, false, "Sem t\xEDtulo - Editor de texto"}, true);
  EXPECT_EQ(editor.kind, TargetKind::kGeneric);
  EXPECT_EQ(editor.logName, "Sem_t\xEDtulo_-_Editor_de_texto");
  // Word windows get the generic target until the Word target exists.
  EXPECT_EQ(ChooseTarget({7, false, "Documento1 - Word"}, true).kind, TargetKind::kGeneric);
}

TEST(TargetSelectionTest, AWordWindowIsTheOneWhoseFirstWordIsAtTheEnd) {
  EXPECT_TRUE(IsWordWindowTitle("Documento1 - Word"));
  EXPECT_TRUE(IsWordWindowTitle("Word"));
  EXPECT_FALSE(IsWordWindowTitle("Word - Word"));
  EXPECT_FALSE(IsWordWindowTitle("Documento1 - Word "));
  EXPECT_FALSE(IsWordWindowTitle("WordPad"));
  EXPECT_FALSE(IsWordWindowTitle(""));
  EXPECT_FALSE(IsWordWindowTitle(std::string(997, 'x') + "Word"));  // past the 1000 read
}

}  // namespace
}  // namespace vorelio
