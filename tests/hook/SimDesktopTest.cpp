#include <vector>

#include "HookFixture.h"

namespace vorelio::testing {
namespace {

TEST_F(HookTest, DeadKeysComposeAccentedLettersAsOnThePortugueseLayout) {
  Attach();
  desktop.TypeText("p\xE9 \xC0");  // "pé À"
  EXPECT_EQ(desktop.Application(app).text, "p\xE9 \xC0");
  // The dead key alone gives no character; the composed letter is one.
  EXPECT_EQ(Reports(),
            "down:80 char:p up:80 down:186 up:186 down:69 char:\xE9 up:69 down:32 char:  up:32 "
            "down:16 down:186 up:186 up:16 down:16 down:65 char:\xC0 up:65 up:16");
  desktop.SetText(app, "", 0);
  desktop.TapKey(0xBA);  // ´ then space: the accent alone
  desktop.TapKey(' ');
  desktop.TapKey(0xBA);  // ´ then t: the accent and the letter
  desktop.TapKey('T');
  EXPECT_EQ(desktop.Application(app).text, "\xB4\xB4t");
}

TEST_F(HookTest, ModifiersCapsLockAndControlKeysProduceTheirCharacters) {
  Attach();
  desktop.TypeText("@\x80" "A_");  // AltGr+2, AltGr+5, Shift+a, Shift+-
  desktop.TapKey(0x14);            // Caps Lock on: letters and ç invert
  desktop.TypeText("a\xE7" "1");
  EXPECT_EQ(desktop.Application(app).text, "@\x80" "A_A\xC7" "1");
  desktop.TapKey(0x14);
  desktop.TypeText("ola");
  desktop.TapKey(0x25);  // Left, Left, x
  desktop.TapKey(0x25);
  desktop.TypeText("x");
  EXPECT_EQ(desktop.Application(app).text, "@\x80" "A_A\xC7" "1oxla");
  desktop.TapKey(0x08);  // Backspace is a character (8) the application applies
  desktop.TapKey(0x2E);  // Delete is a key
  EXPECT_EQ(desktop.Application(app).text, "@\x80" "A_A\xC7" "1oa");
  Reports();
  desktop.TapKey(0x0D);
  EXPECT_EQ(desktop.Log().substr(desktop.Log().rfind("app1 char")), "app1 char #13; app1 key up ENTER");
  EXPECT_EQ(desktop.Application(app).text, "@\x80" "A_A\xC7" "1o\na");  // at the caret
}

TEST_F(HookTest, KeyScanAnswersAsVkKeyScanOnThePortugueseLayout) {
  EXPECT_EQ(desktop.KeyScan('a'), 'A');
  EXPECT_EQ(desktop.KeyScan('A'), 0x100 | 'A');
  EXPECT_EQ(desktop.KeyScan('@'), 0x600 | '2');
  EXPECT_EQ(desktop.KeyScan('\xB4'), 0xBA);       // the acute dead key
  EXPECT_EQ(desktop.KeyScan('^'), 0x100 | 0xBF);  // Shift on the tilde key
  EXPECT_EQ(desktop.KeyScan('\xE9'), kNoKey);     // é needs the dead key
  EXPECT_EQ(desktop.KeyScan('\r'), 0x0D);
  EXPECT_EQ(desktop.KeyScan('\b'), 0x08);
}

// The road of one keystroke: the user types c into a foreign application,
// the hook reports to the target's window, the target relays to the
// controller, and the controller's completion comes back as synthesized
// keys that the application receives and the hook reports again.
class Relay : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    PostMessageTo(controller, message, wParam, lParam);
  }
  WindowHandle controller = 0;
};

class CompletingController : public MessageHandler {
 public:
  explicit CompletingController(KeystrokeSink& sink) : sink_(sink) {}
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
    if (message != WM_HOOK_CHAR) return;
    typed += static_cast<char>(wParam);
    if (typed == "c") {
      for (const char c : std::string("asa ")) {
        const KeyScanResult key = sink_.KeyScan(c);
        sink_.SendKeyEvent(static_cast<uint8_t>(key & 0xFF), true);
        sink_.SendKeyEvent(static_cast<uint8_t>(key & 0xFF), false);
      }
    }
  }
  std::string typed;

 private:
  KeystrokeSink& sink_;
};

TEST_F(HookTest, TheRoadOfOneKeystroke) {
  Relay target;
  CompletingController controllerHandler(desktop);
  target.controller = loop.CreateWindow(controllerHandler);
  const WindowHandle targetWindow = loop.CreateWindow(target);
  ASSERT_EQ(InitializeHook(AppThread(), targetWindow), 1);
  desktop.Focus(app);
  desktop.TypeText("c");
  EXPECT_EQ(desktop.Application(app).text, "c");
  loop.DispatchPending();  // relay, complete, and the completion reported back
  EXPECT_EQ(desktop.Application(app).text, "casa ");
  EXPECT_EQ(controllerHandler.typed, "casa ");
}

}  // namespace
}  // namespace vorelio::testing
