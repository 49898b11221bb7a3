#include "common/TypistKeyboard.h"

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"

namespace vorelio {

TypistPresses TypistKeyboard::Type(char c, char next) {
  TypistPresses presses;
  if (const auto parts = DecomposeAnyAccentedLetter(c)) {
    TypePlain(parts->deadKey, next, presses);
    TypePlain(parts->baseLetter, next, presses);
  } else {
    TypePlain(c, next, presses);
  }
  return presses;
}

void TypistKeyboard::TypePlain(char c, char next, TypistPresses& presses) {
  const bool capital = IsUpperCaseCp1252(c);
  if (capsLock_ && (IsLowerCaseCp1252(c) || (c >= '0' && c <= '9'))) {
    capsLock_ = false;
    presses.Add({TypistPress::Kind::kCapsLock});
  } else if (capital && !capsLock_) {
    capsLock_ = IsUpperCaseCp1252(next);
    presses.Add({capsLock_ ? TypistPress::Kind::kCapsLock : TypistPress::Kind::kShift});
  }
  const char lower = ToLowerCp1252(c);
  const auto key = PortugueseKeyFor(lower);
  if (!key) return;
  if (key->shift) presses.Add({TypistPress::Kind::kShift});
  presses.Add({TypistPress::Kind::kKey, lower});
}

int32_t TypistKeyboard::WordCost(std::string_view word, char next) {
  int32_t cost = 0;
  for (std::size_t i = 0; i < word.size(); ++i)
    cost += CharacterCost(word[i], i + 1 < word.size() ? word[i + 1] : next);
  return cost;
}

}  // namespace vorelio
