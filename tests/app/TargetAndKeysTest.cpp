// Choosing the output target after focus changes, the role keys the target
// swallows, the menu-unlock pair and the main window following the caret.
#include "ControllerFixture.h"

namespace vorelio::testing {
namespace {

TEST_F(ControllerTest, TwoFocusChanges200MsApartChooseTheTargetOnce500MsAfterTheSecond) {
  const WindowHandle terminal = desktop.AddApplication("app2", "/usr/bin/xterm", "Terminal");
  const WindowHandle mail = desktop.AddApplication("app3", "/usr/bin/mail", "Correio");
  Start();
  ASSERT_EQ(LogLinesWith("WORD_PROCESSOR_CHANGE").size(), 1u);
  desktop.Focus(terminal);
  view->FocusChanged();
  EXPECT_EQ(view->Target(), nullptr);  // detached at once
  Tick(2);
  desktop.Focus(mail);
  view->FocusChanged();
  Tick(5);
  EXPECT_EQ(view->Target(), nullptr);
  Tick(1);
  ASSERT_NE(view->Target(), nullptr);
  EXPECT_EQ(view->Target()->GetTargetWindow(), mail);
  EXPECT_EQ(LogLinesWith("WORD_PROCESSOR_CHANGE").size(), 2u);
  EXPECT_EQ(LogLinesWith("WORD_PROCESSOR_CHANGE Correio").size(), 1u);
  EXPECT_EQ(desktop.Log().find("install keyboard hook app2"), std::string::npos);
  desktop.TypeText("c");
  Pump();
  EXPECT_EQ(desktop.Application(mail).text, "c");
  EXPECT_EQ(LogLinesWith("CHAR_c").size(), 1u);
}

TEST_F(ControllerTest, TheProgramsOwnWindowGetsNoTargetWithoutAMessageEditor) {
  Start();
  foreground.programInFront = true;
  view->FocusChanged();
  Tick(6);
  EXPECT_EQ(view->Target(), nullptr);
  // A focus change to the window that is already the target changes nothing.
  foreground.programInFront = false;
  view->FocusChanged();
  Tick(6);
  const CWordProcessor* target = view->Target();
  ASSERT_NE(target, nullptr);
  view->FocusChanged();
  Tick(6);
  EXPECT_EQ(view->Target(), target);
}

TEST_F(ControllerTest, EachProfileThatWritesIntoTheEditorGetsANewOneThatMustAttach) {
  mainWindow.editor = &editor;
  Start({{"PROCESSADOR_TEXTO_INTERNO", "1"}});
  EXPECT_EQ(mainWindow.editorRenewals, 1);
  EXPECT_EQ(editor.attaches, 1);
  foreground.programInFront = true;
  view->FocusChanged();
  Tick(6);
  EXPECT_EQ(view->Target(), &editor);
  EXPECT_TRUE(view->TargetIsInternalEditor());
  // The old editor is detached first; one that cannot attach is left out.
  editor.attachable = false;
  view->ApplyProfile();
  EXPECT_EQ(editor.detaches, 1);
  EXPECT_EQ(editor.attaches, 2);
  view->FocusChanged();
  Tick(6);
  EXPECT_EQ(view->Target(), nullptr);
  // Without the option the window is asked to drop it: the program's own
  // window then gets no target.
  editor.attachable = true;
  view->Profiles().Current()->Properties().options.internalMessageEditor = 0;
  view->ApplyProfile();
  EXPECT_EQ(mainWindow.editorRenewals, 3);
  view->FocusChanged();
  Tick(6);
  EXPECT_EQ(view->Target(), nullptr);
  view.reset();  // an editor that never attached is not detached again
  EXPECT_EQ(editor.detaches, 1);
}

TEST_F(ControllerTest, TheTargetSwallowsTheRoleKeysOfTheProfile) {
  Start();
  for (int key = kF1; key < kF1 + 10; ++key) EXPECT_TRUE(hooks.IsSpecialKey(key)) << key;
  EXPECT_TRUE(hooks.IsSpecialKey(kNum5));  // both switches
  EXPECT_TRUE(hooks.IsSpecialKey(kTab));   // abbreviations
  EXPECT_TRUE(hooks.IsSpecialKey(kF11));   // word speech
  EXPECT_TRUE(hooks.IsSpecialKey(kF11 + 1));
  EXPECT_TRUE(view->Keystrokes().Keys().InUse(kF11));
  EXPECT_FALSE(hooks.IsSpecialKey(kBackspace));
}

TEST_F(ControllerTest, APredictionKeyOptionOf0SwallowsNoPredictionKeys) {
  Start({{"TECLAS_COMPLETAR", "0"}});
  EXPECT_FALSE(hooks.IsSpecialKey(kBackspace));
  EXPECT_FALSE(hooks.IsSpecialKey(kF1));
  Type("ab");
  TapKey(kBackspace);
  EXPECT_EQ(ApplicationText(), "a");
}

TEST_F(ControllerTest, SpeechKeysSpeakTheCurrentWordAndSentence) {
  Start();
  Type("Bom ");
  Type("di");
  TapKey(kF11);
  TapKey(kF11 + 1);
  EXPECT_EQ(Spoken(), (std::vector<std::string>{"di", "Bom di"}));
  EXPECT_EQ(LogLinesWith("KEY_DOWN_F11 SYNTHESIZE_WORD_di").size(), 1u);
  EXPECT_EQ(LogLinesWith("KEY_DOWN_F12 SYNTHESIZE_SENTENCE_Bom_di").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kWordSpoken), 1);
  EXPECT_EQ(ApplicationText(), "Bom di");
}

TEST_F(ControllerTest, LeftCtrlThenLeftAltUnlocksTheMenu) {
  Start();
  constexpr std::intptr_t kExtended = std::intptr_t{1} << 24;
  view->HandleMessage(WM_HOOK_KEY_DOWN, 0x12, 0);  // Alt, then Ctrl: no
  view->HandleMessage(WM_HOOK_KEY_DOWN, 0x11, 0);
  EXPECT_EQ(mainWindow.unlocks, 0);
  view->HandleMessage(WM_HOOK_KEY_DOWN, 0x12, kExtended);  // AltGr: no
  EXPECT_EQ(mainWindow.unlocks, 0);
  view->HandleMessage(WM_HOOK_KEY_DOWN, 0x11, 0);
  view->HandleMessage(WM_HOOK_KEY_DOWN, 0x12, 0);
  EXPECT_EQ(mainWindow.unlocks, 1);
  // The same in the program's own window.
  view->OwnKeyDown(0x11, 0);
  view->OwnKeyDown(0x12, 0);
  EXPECT_EQ(mainWindow.unlocks, 2);
}

TEST_F(ControllerTest, TheMainWindowMovesAwayFromTheCaretWhileAnotherApplicationIsInFront) {
  Start({{"REPOSICIONAR_JANELA", "1"}});
  Type("abc");
  Tick(10);
  // The caret is in the desktop's top-left quarter: the window goes to
  // the bottom-right corner.
  ASSERT_FALSE(mainWindow.moves.empty());
  EXPECT_EQ(mainWindow.moves.back(), (ScreenPoint{700, 600}));
  const std::size_t moves = mainWindow.moves.size();
  foreground.programInFront = true;
  Tick(10);
  EXPECT_EQ(mainWindow.moves.size(), moves);
}

}  // namespace
}  // namespace vorelio::testing
