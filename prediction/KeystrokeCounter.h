// The key presses a person needs to type text on a physical Portuguese
// keyboard with Shift and Caps Lock, as the word prediction simulator
// counts them. Each counter keeps its own Caps Lock state (initially off),
// so the counts with and without prediction each have one.
//
// Cost of a character c followed by a character n:
//  - an accented letter (dead-key decomposition of the Portuguese layout:
//    grave, acute, circumflex, tilde) costs its dead key followed by n plus
//    its base letter followed by n;
//  - otherwise, starting from 0:
//    * a small letter or a digit while Caps Lock is on: Caps Lock goes off, +1
//      (blanks and symbols leave Caps Lock as it is);
//    * a capital followed by a capital while Caps Lock is off: Caps Lock on, +1;
//    * a capital followed by anything else while Caps Lock is off: Shift, +1;
//    * the key of the lower-case form of c ("Ç" counts as "ç"): +1, or +2
//      when the key needs Shift or AltGr; a character with no key adds 0.
// A capital is "Ç" or a letter whose base letter is upper case (A-Z and
// the accented capitals of the layout).
#pragma once

#include <cstdint>
#include <string_view>

namespace vorelio {

class CKeystrokeCounter {
 public:
  // Caps Lock off again.
  void Reset() { capsLock_ = false; }
  // The presses for `c` typed before `next`; updates Caps Lock.
  int32_t CharacterCost(char c, char next);
  // The sum over the characters of `word`, each taken with the character
  // after it and the last one with `next`.
  int32_t WordCost(std::string_view word, char next);
  bool CapsLockOn() const { return capsLock_; }

 private:
  int32_t PlainCharacterCost(char c, char next);
  bool capsLock_ = false;
};

// True for "Ç" and the upper-case letters of the Portuguese layout.
bool IsCapitalForKeystrokes(char c);

}  // namespace vorelio
