// CKeyboardSimulator: the keys a person presses on a physical Portuguese
// keyboard to type a text, as a list of key names ("Shift", "o", "l", "a"),
// for the prediction simulators. Nothing is pressed.
//
// It follows the same rules as the simulator's keystroke count
// (prediction/KeystrokeCounter.h), so the number of names equals that
// count: an accented letter is its dead key and its base letter; a capital
// (Ç, or a letter whose base letter is A-Z) followed by a capital turns
// Caps Lock on, a capital followed by anything else takes Shift; a small
// letter or a digit turns Caps Lock off again; then the key of the
// lower-cased character, after "Shift" or "AltGr" when the layout needs
// one. Characters without a key add no name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

class CKeyboardSimulator {
 public:
  // Appends the names for `text` to `names`, the last character taken
  // before `next`; returns how many were appended. Caps Lock carries over
  // from call to call.
  int32_t AppendKeyNames(std::string_view text, std::vector<std::string>& names, char next = ' ');
  // Caps Lock off again.
  void Reset() { capsLock_ = false; }
  bool CapsLockOn() const { return capsLock_; }

 private:
  void AppendCharacter(char c, char next, std::vector<std::string>& names);

  bool capsLock_ = false;
};

}  // namespace vorelio
