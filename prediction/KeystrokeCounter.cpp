#include "prediction/KeystrokeCounter.h"

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"

namespace vorelio {

namespace {

bool TurnsCapsLockOff(char c) {
  // Blanks and symbols are typed the same with Caps Lock on or off, so
  // only letters and digits make a typist release it.
  return !IsCapitalForKeystrokes(c) && (IsLetter(c) || (c >= '0' && c <= '9'));
}

}  // namespace

bool IsCapitalForKeystrokes(char c) { return IsUpperCaseLetter(c); }

int32_t CKeystrokeCounter::CharacterCost(char c, char next) {
  if (const auto parts = DecomposeAccentedLetter(c))
    return PlainCharacterCost(parts->deadKey, next) + PlainCharacterCost(parts->baseLetter, next);
  return PlainCharacterCost(c, next);
}

int32_t CKeystrokeCounter::PlainCharacterCost(char c, char next) {
  int32_t cost = 0;
  const bool capital = IsCapitalForKeystrokes(c);
  if (capsLock_ && TurnsCapsLockOff(c)) {
    capsLock_ = false;
    cost = 1;
  }
  if (capital && !capsLock_) {
    if (IsCapitalForKeystrokes(next)) {
      capsLock_ = true;
    }
    cost += 1;  // Caps Lock on, or Shift for this capital alone
  }
  if (const auto key = PortugueseKeyFor(ToLowerCp1252(c)))
    cost += (key->shift || key->altGr) ? 2 : 1;
  return cost;
}

int32_t CKeystrokeCounter::WordCost(std::string_view word, char next) {
  int32_t cost = 0;
  for (std::size_t i = 0; i < word.size(); ++i)
    cost += CharacterCost(word[i], i + 1 < word.size() ? word[i + 1] : next);
  return cost;
}

}  // namespace vorelio
