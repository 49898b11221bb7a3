#include <array>
#include <random>

#include "HookFixture.h"
#include "hook/HookSystem.h"

namespace vorelio::testing {
namespace {

using hook::HookKind;

TEST_F(HookTest, InitializeInstallsThreeHooksForTheThreadAndTerminateRemovesThemInOrder) {
  AddSpecialKey('Q');
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  EXPECT_EQ(IsSpecialKey('Q'), 0);  // the table starts empty
  TerminateHook();
  TerminateHook();  // nothing left to remove
  EXPECT_EQ(desktop.Log(),
            "install keyboard hook app1; install mouse hook app1; install get-message hook app1; "
            "remove keyboard hook app1; remove mouse hook app1; remove get-message hook app1");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HookTest, EachFailedInstallationShowsItsMessageAndKeepsTheEarlierHooksUntilTerminate) {
  const std::array<std::pair<HookKind, const char*>, 3> failures = {{
      {HookKind::kKeyboard, "HookPredarin:Problema a instalar o hook para o teclado"},
      {HookKind::kMouse, "HookPredarin:Problema a instalar o hook para o rato"},
      {HookKind::kGetMessage, "HookPredarin:Problema a instalar o hook para as mensagens"},
  }};
  for (const auto& [kind, text] : failures) {
    messages.messages.clear();
    desktop.FailNextInstall(kind);
    EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], text);
    EXPECT_EQ(desktop.HookInstalled(HookKind::kKeyboard, AppThread()), kind != HookKind::kKeyboard);
    TerminateHook();
    EXPECT_FALSE(desktop.HookInstalled(HookKind::kKeyboard, AppThread()));
    EXPECT_FALSE(desktop.HookInstalled(HookKind::kMouse, AppThread()));
  }
}

TEST_F(HookTest, AFailedInitializeStillLeavesNothingSwallowed) {
  Attach();
  AddSpecialKey(VK_F5);
  AddMouseButtons();
  desktop.FailNextInstall(HookKind::kMouse);
  EXPECT_EQ(InitializeHook(AppThread(), destination), 0);
  // The keyboard hook of the failed call is installed, and swallows nothing.
  desktop.ClearLog();
  desktop.TapKey(VK_F5);
  desktop.Click(app, 0);
  EXPECT_EQ(desktop.Log(), "app1 key down F5; app1 key up F5; app1 left down 5,50; app1 left up 5,50");
}

TEST_F(HookTest, TypedKeysAndCharactersAreReportedAndReachTheApplication) {
  Attach();
  desktop.TypeText("ab");
  EXPECT_EQ(Reports(), "down:65 char:a up:65 down:66 char:b up:66");
  EXPECT_EQ(desktop.Application(app).text, "ab");
  // The flags go with the report: bit 31 marks the release.
  EXPECT_NE(recorder.lastLParam & 0x80000000, 0);
}

TEST_F(HookTest, ASpecialKeyIsReportedDownAndUpButNeverReachesTheApplication) {
  Attach();
  AddSpecialKey(VK_F5);
  AddSpecialKey('X');
  desktop.TapKey(VK_F5);
  desktop.TypeText("x");
  EXPECT_EQ(Reports(), "down:116 up:116 down:88 up:88");
  EXPECT_EQ(desktop.Application(app).text, "");
  EXPECT_EQ(desktop.Log(), "app1 key down F5 swallowed; app1 key up F5 swallowed; "
                           "app1 key down X swallowed; app1 key up X swallowed");
  DeleteSpecialKey('X');
  desktop.TypeText("x");
  EXPECT_EQ(desktop.Application(app).text, "x");
}

TEST_F(HookTest, CapsLockIsSampledAtEveryKeyThatIsNotSpecial) {
  Attach();
  // Its own release sees it toggled on and still down, sign-extended.
  desktop.TapKey(VK_CAPITAL);
  EXPECT_EQ(GetCapsLock(), static_cast<int16_t>(0x8001));
  AddSpecialKey(VK_CAPITAL);
  desktop.TapKey(VK_CAPITAL);  // swallowed: the stored state stays
  EXPECT_EQ(GetCapsLock(), static_cast<int16_t>(0x8001));
  desktop.TypeText("a");
  EXPECT_EQ(GetCapsLock(), 0);
}

TEST_F(HookTest, CapturedClicksAreReportedAndSwallowedWhileMovesFlow) {
  const WindowHandle other = desktop.AddApplication("app2", "/usr/bin/xterm");
  Attach();
  desktop.SetText(app, "casa", 4);
  AddMouseButtons();
  desktop.Click(app, 1);
  desktop.Click(app, 2, sim::MouseButton::kRight);
  desktop.Click(app, 3, sim::MouseButton::kMiddle);
  desktop.MoveMouse({25, 50});
  desktop.MoveMouse(desktop.PointOf(other, 0));  // not the hooked thread
  EXPECT_EQ(Reports(), "ldown lup rdown rup mdown mup move:25,50");
  EXPECT_EQ(desktop.Application(app).caret, 4u);
  DeleteMouseButtons();
  desktop.Click(app, 1);
  EXPECT_EQ(Reports(), "ldown lup");
  EXPECT_EQ(desktop.Application(app).caret, 1u);
}

TEST_F(HookTest, TheMouseProcedureReportsButtonsAndMovesOnly) {
  Attach();
  const hook::MouseHookData point{-5, 7, 0};
  const auto mouse = [&](uint32_t message) {
    return desktop.CallHookProcedure(HookKind::kMouse, hook::HC_ACTION, message,
                                     reinterpret_cast<std::intptr_t>(&point));
  };
  EXPECT_EQ(mouse(WM_MOUSEMOVE), 0);
  EXPECT_EQ(mouse(WM_LBUTTONDBLCLK), 0);
  EXPECT_EQ(mouse(WM_MOUSEWHEEL), 0);
  // The packed point keeps 16 bits of each coordinate, y high.
  EXPECT_EQ(Reports(), "move:65531,7");
  AddMouseButtons();
  EXPECT_EQ(mouse(WM_LBUTTONDBLCLK), 0);
  EXPECT_EQ(mouse(WM_MOUSEMOVE), 0);
  EXPECT_EQ(mouse(WM_RBUTTONDOWN), 1);
}

TEST_F(HookTest, CallsOtherThanActionAreOnlyPassedOn) {
  Attach();
  AddSpecialKey(VK_F5);
  AddMouseButtons();
  const hook::MouseHookData point{1, 2, 0};
  const hook::HookedMessage character{0, WM_CHAR, 'a', 1};
  EXPECT_EQ(desktop.CallHookProcedure(HookKind::kKeyboard, hook::HC_NOREMOVE, VK_F5, 1), 0);
  EXPECT_EQ(desktop.CallHookProcedure(HookKind::kMouse, hook::HC_NOREMOVE, WM_LBUTTONDOWN,
                                      reinterpret_cast<std::intptr_t>(&point)),
            0);
  EXPECT_EQ(desktop.CallHookProcedure(HookKind::kGetMessage, hook::HC_NOREMOVE, 1,
                                      reinterpret_cast<std::intptr_t>(&character)),
            0);
  EXPECT_EQ(Reports(), "");
}

TEST_F(HookTest, ListedProgramsReadingCharactersTwiceReportEverySecondOne) {
  desktop.SetTitle(app, "Documento - WordPad");
  const WindowHandle wordpad =
      desktop.AddApplication("wordpad", "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe");
  desktop.SetReadsCharactersTwice(wordpad, true);
  ASSERT_EQ(InitializeHook(desktop.Application(wordpad).thread, destination), 1);
  desktop.Focus(wordpad);
  desktop.TypeText("ab");
  EXPECT_EQ(Reports(), "down:65 char:a up:65 down:66 char:b up:66");
}

TEST_F(HookTest, ADesktopThatTranslatesEveryKeyOnceNeverHalvesCharacters) {
  // On X11 LibreOffice's binary is also "soffice.bin", and its characters
  // arrive once: every one of them is reported.
  desktop.SetCharactersMayArriveTwice(false);
  const WindowHandle office =
      desktop.AddApplication("office", "/usr/lib/libreoffice/program/soffice.bin");
  ASSERT_EQ(InitializeHook(desktop.Application(office).thread, destination), 1);
  desktop.Focus(office);
  desktop.TypeText("ab");
  EXPECT_EQ(Reports(), "down:65 char:a up:65 down:66 char:b up:66");
}

TEST_F(HookTest, TheDoubleCharacterRuleGoesByTheCaseSensitiveProgramName) {
  // A listed name that reads characters once loses every other one, as it
  // always did; an unlisted program reading twice reports both.
  const WindowHandle once = desktop.AddApplication("once", "/opt/lib/soffice.bin");
  const WindowHandle twice = desktop.AddApplication("twice", "/opt/WordPad.exe");
  desktop.SetReadsCharactersTwice(twice, true);
  ASSERT_EQ(InitializeHook(desktop.Application(once).thread, destination), 1);
  desktop.Focus(once);
  desktop.TypeText("abc");
  EXPECT_EQ(Reports(), "down:65 up:65 down:66 char:b up:66 down:67 up:67");
  TerminateHook();
  ASSERT_EQ(InitializeHook(desktop.Application(twice).thread, destination), 1);
  desktop.Focus(twice);
  desktop.TypeText("a");
  EXPECT_EQ(Reports(), "down:65 char:a char:a up:65");
}

TEST_F(HookTest, ApplicationsOfOtherThreadsAreNotObserved) {
  const WindowHandle other = desktop.AddApplication("app2", "/usr/bin/xterm");
  Attach();
  AddSpecialKey('A');
  desktop.Focus(other);
  desktop.TypeText("a");
  EXPECT_EQ(Reports(), "");
  EXPECT_EQ(desktop.Application(other).text, "a");
}

TEST_F(HookTest, ReportsToADestroyedWindowAreDroppedWhileSwallowingGoesOn) {
  Attach();
  AddSpecialKey(VK_F5);
  loop.DestroyWindow(destination);
  desktop.TapKey(VK_F5);
  desktop.TypeText("z");
  EXPECT_EQ(Reports(), "");
  EXPECT_EQ(desktop.Application(app).text, "z");
  EXPECT_EQ(desktop.Log(), "app1 key down F5 swallowed; app1 key up F5 swallowed; "
                           "app1 key down Z; app1 char z; app1 key up Z");
}

TEST_F(HookTest, SwallowingChangesAreAnnouncedToTheDesktop) {
  const int before = desktop.SwallowingChanges();
  AddSpecialKey(1);
  DeleteSpecialKey(1);
  DeleteSpecialKey(2);  // unknown: nothing changed
  AddMouseButtons();
  DeleteMouseButtons();
  ClearSpecialKeys();
  EXPECT_EQ(desktop.SwallowingChanges() - before, 5);
}

// The table against a plain model of twenty entries: the first free entry
// takes a code, the first equal entry is freed, a full table ignores.
TEST_F(HookTest, TheSpecialKeyTableMatchesASimpleModel) {
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  std::array<int, 20> model;
  model.fill(-1);
  std::mt19937 random(20240601);
  for (int step = 0; step < 5000; ++step) {
    const int code = static_cast<int>(random() % 12);
    switch (random() % 8) {
      case 0: case 1: case 2: case 3: {
        AddSpecialKey(code);
        for (int& entry : model)
          if (entry == -1) { entry = code; break; }
        break;
      }
      case 4: case 5: case 6: {
        DeleteSpecialKey(code);
        for (int& entry : model)
          if (entry == code) { entry = -1; break; }
        break;
      }
      default:
        if (random() % 50 == 0) {
          ClearSpecialKeys();
          model.fill(-1);
        }
    }
    for (int probe = 0; probe < 12; ++probe) {
      const bool expected = std::find(model.begin(), model.end(), probe) != model.end();
      ASSERT_EQ(IsSpecialKey(probe), expected ? 1 : 0) << "step " << step << " code " << probe;
    }
  }
  EXPECT_EQ(IsSpecialKey(-1), 0);  // a free entry is no key
}

TEST_F(HookTest, TheTwentyFirstSpecialKeyIsIgnoredAndDuplicatesTakeTwoEntries) {
  ASSERT_EQ(InitializeHook(AppThread(), destination), 1);
  AddSpecialKey('A');
  AddSpecialKey('A');
  for (int code = 0x70; code < 0x70 + 18; ++code) AddSpecialKey(code);
  AddSpecialKey('Z');  // the 21st
  EXPECT_EQ(IsSpecialKey('Z'), 0);
  DeleteSpecialKey('A');
  EXPECT_EQ(IsSpecialKey('A'), 1);  // the second entry still holds it
  AddSpecialKey('Z');               // takes the freed entry
  EXPECT_EQ(IsSpecialKey('Z'), 1);
  DeleteSpecialKey('A');
  EXPECT_EQ(IsSpecialKey('A'), 0);
}

}  // namespace
}  // namespace vorelio::testing
