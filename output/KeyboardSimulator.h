// CKeyboardSimulator: the keys a person presses on a physical Portuguese
// keyboard to type a text, as a list of key names ("Shift", "o", "l", "a"),
// for the prediction simulators. Nothing is pressed.
//
// The presses are those the word prediction simulator counts
// (common/TypistKeyboard.h), so the number of names equals that count:
// "CapsLock" and "Shift" by those names, a character key by its character
// in lower case (Ç is typed on "ç"; the blanks are "Space", "Enter" and
// "Tab").
// AltGr has no name of its own: "a@€" is "a", "@", "€".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/TypistKeyboard.h"

namespace vorelio {

class CKeyboardSimulator {
 public:
  // Appends the names for `text` to `names`, the last character taken
  // before `next`; returns how many were appended. Caps Lock carries over
  // from call to call.
  int32_t AppendKeyNames(std::string_view text, std::vector<std::string>& names, char next = ' ');
  // Caps Lock off again.
  void Reset() { typist_.Reset(); }
  bool CapsLockOn() const { return typist_.CapsLockOn(); }

 private:
  TypistKeyboard typist_;
};

}  // namespace vorelio
