// TypistKeyboard: the presses a person makes to type Windows-1252 text on a
// physical Portuguese keyboard with Shift and Caps Lock. The word
// prediction simulator counts them and CKeyboardSimulator lists them by
// name, so the two always agree.
//
// A character c typed before a character n:
//  - a letter the layout types with a dead key (DecomposeAnyAccentedLetter
//    in common/PortugueseKeyboard.h) is its dead key and then its base
//    letter, each taken before n;
//  - any other character, in this order:
//    * a small letter or a digit while Caps Lock is on: Caps Lock, which
//      goes off (blanks and symbols type the same either way);
//    * a capital before a capital while Caps Lock is off: Caps Lock, which
//      goes on;
//    * a capital before anything else while Caps Lock is off: Shift;
//    * the key of the lower-case form of c ("Ç" is typed on the key of
//      "ç"), after a Shift when the layout needs Shift for it. AltGr is not
//      a press of its own: "@" and "€" take one press, as "2" does. A
//      character with no key takes no press.
// A capital is any upper-case letter of Windows-1252 (A-Z, À..Þ but ×,
// Š Œ Ž Ÿ); a small letter any lower-case one (ß included).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vorelio {

struct TypistPress {
  enum class Kind : uint8_t { kCapsLock, kShift, kKey };
  Kind kind = Kind::kKey;
  char character = 0;  // kKey: the (lower-case) character its key types
};

// The presses of one character: at most a Caps Lock or Shift, a Shift and
// a key for each of its two parts.
class TypistPresses {
 public:
  void Add(TypistPress press) { presses_[size_++] = press; }
  int32_t size() const { return size_; }
  const TypistPress* begin() const { return presses_.data(); }
  const TypistPress* end() const { return presses_.data() + size_; }

 private:
  std::array<TypistPress, 6> presses_{};
  int32_t size_ = 0;
};

class TypistKeyboard {
 public:
  // The presses for `c` typed before `next`; updates Caps Lock.
  TypistPresses Type(char c, char next);
  // How many presses Type(c, next) takes.
  int32_t CharacterCost(char c, char next) { return Type(c, next).size(); }
  // The sum over the characters of `word`, each taken before the character
  // after it and the last one before `next`.
  int32_t WordCost(std::string_view word, char next);

  // Caps Lock off again, as at the start.
  void Reset() { capsLock_ = false; }
  bool CapsLockOn() const { return capsLock_; }

 private:
  void TypePlain(char c, char next, TypistPresses& presses);
  bool capsLock_ = false;
};

}  // namespace vorelio
