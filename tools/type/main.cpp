// predarin-type [--display NAME] [--key CODE[+CODE]...]... [TEXT]: types
// TEXT (UTF-8) into the window that has the focus, as a person at the
// keyboard would (XTEST, Portuguese layout, accents through their dead
// keys), then presses and releases each virtual-key CODE given (112 is F1);
// codes joined by "+" are a chord, pressed in order and released in reverse
// (18+80 is Alt+P). For demos and screenshots under Xvfb.
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
  std::vector<std::vector<int>> chords;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--display") == 0 && i + 1 < argc) {
      display = argv[++i];
    } else if (std::strcmp(argv[i], "--key") == 0 && i + 1 < argc) {
      std::vector<int> chord;
      for (const char* code = argv[++i]; *code != '\0';) {
        char* end = nullptr;
        const long value = std::strtol(code, &end, 10);
        if (end == code || value <= 0 || value > 254 || (*end != '\0' && *end != '+')) {
          std::fprintf(stderr, "predarin-type: not key codes: %s\n", argv[i]);
          return 2;
        }
        chord.push_back(static_cast<int>(value));
        code = *end == '+' ? end + 1 : end;
      }
      chords.push_back(chord);
    } else if (text.empty() && argv[i][0] != '-') {
      text = argv[i];
    } else {
      std::fprintf(stderr, "usage: predarin-type [--display NAME] [--key CODE[+CODE]...]... [TEXT]\n");
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
  for (const std::vector<int>& chord : chords) {
    for (const int key : chord) sink.SendKeyEvent(static_cast<uint8_t>(key), true);
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) {
      sink.SendKeyEvent(static_cast<uint8_t>(*key), false);
    }
  }
  return 0;
}
