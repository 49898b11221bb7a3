// predarin-type [--display NAME] [--key CODE]... [TEXT]: types TEXT
// (UTF-8) into the window that has the focus, as a person at the keyboard
// would (XTEST, Portuguese layout, accents through their dead keys), then
// presses and releases each virtual-key CODE given (112 is F1). For demos
// and screenshots under Xvfb.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/Text.h"
#include "output/Keyboard.h"
#include "output/x11/X11KeystrokeSink.h"

int main(int argc, char** argv) {
  const char* display = nullptr;
  std::string text;
  std::vector<int> keys;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--display") == 0 && i + 1 < argc) {
      display = argv[++i];
    } else if (std::strcmp(argv[i], "--key") == 0 && i + 1 < argc) {
      const int code = std::atoi(argv[++i]);
      if (code <= 0 || code > 254) {
        std::fprintf(stderr, "predarin-type: not a key code: %s\n", argv[i]);
        return 2;
      }
      keys.push_back(code);
    } else if (text.empty() && argv[i][0] != '-') {
      text = argv[i];
    } else {
      std::fprintf(stderr, "usage: predarin-type [--display NAME] [--key CODE]... [TEXT]\n");
      return 2;
    }
  }
  vorelio::X11KeystrokeSink sink(display);
  if (!sink.IsOpen()) {
    std::fprintf(stderr, "predarin-type: no X11 display with XTEST\n");
    return 1;
  }
  vorelio::CKeyboard keyboard(sink);
  keyboard.TypeText(vorelio::Utf8ToCp1252(text));
  for (const int key : keys) {
    sink.SendKeyEvent(static_cast<uint8_t>(key), true);
    sink.SendKeyEvent(static_cast<uint8_t>(key), false);
  }
  return 0;
}
