// The Portuguese layout as the simulated applications read it: which
// characters a key down produces (WM_CHAR), with Shift, AltGr (Ctrl+Alt),
// Ctrl, Caps Lock and the dead keys ´ ` ^ ~ ¨, and VkKeyScanA's answer.
#pragma once

#include <array>
#include <cstdint>

#include "output/KeystrokeSink.h"

namespace vorelio::sim {

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool capsLock = false;
};

// Up to two characters: a dead key followed by a letter it does not
// compose with gives both.
struct ProducedCharacters {
  std::array<char, 2> characters{};
  int count = 0;
};

class SimKeyboardLayout {
 public:
  SimKeyboardLayout();
  // The characters of one key down. A dead key produces nothing and waits
  // for the next key: a vowel it composes with gives the accented letter,
  // a space gives the accent alone, anything else the accent and the key's
  // own character. Backspace, Tab, Enter and Escape give 8, 9, 13 and 27;
  // Ctrl with a letter its control code; Alt alone and other keys nothing.
  ProducedCharacters KeyDown(uint8_t virtualKey, KeyModifiers modifiers);

  // VkKeyScanA: the key with 0x100 for Shift and 0x600 (Ctrl+Alt) for
  // AltGr; the dead key for ´ ` ^ ~ ¨; -1 for accented letters and
  // characters the layout lacks. '\r' and '\n' answer Enter, '\b' Backspace.
  static KeyScanResult KeyScan(char character);

 private:
  // [key][shift][altGr]: the character, 0 for none.
  std::array<std::array<std::array<char, 2>, 2>, 256> table_{};
  char pendingDeadKey_ = 0;
};

}  // namespace vorelio::sim
