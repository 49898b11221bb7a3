#include "output/KeyboardSimulator.h"

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"

namespace vorelio {

namespace {

// The name of the key that types `c` (already lower-cased): the program's
// key name for the blank keys, else the character itself.
std::string KeyName(char c) {
  switch (c) {
    case ' ':
      return "Space";
    case '\n':
      return "Enter";
    case '\t':
      return "Tab";
    default:
      return std::string(1, c);
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int32_t CKeyboardSimulator::AppendKeyNames(std::string_view text, std::vector<std::string>& names,
                                           char next) {
  const std::size_t before = names.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char following = i + 1 < text.size() ? text[i + 1] : next;
    if (const auto parts = DecomposeAccentedLetter(text[i])) {
      AppendCharacter(parts->deadKey, following, names);
      AppendCharacter(parts->baseLetter, following, names);
    } else {
      AppendCharacter(text[i], following, names);
    }
  }
  return static_cast<int32_t>(names.size() - before);
}

void CKeyboardSimulator::AppendCharacter(char c, char next, std::vector<std::string>& names) {
  const bool capital = IsUpperCaseLetter(c);
  // Blanks and symbols type the same with Caps Lock on, so only small
  // letters and digits make a typist release it.
  if (capsLock_ && !capital && (IsLetter(c) || IsDigit(c))) {
    capsLock_ = false;
    names.emplace_back("CapsLock");
  }
  if (capital && !capsLock_) {
    if (IsUpperCaseLetter(next)) {
      capsLock_ = true;
      names.emplace_back("CapsLock");
    } else {
      names.emplace_back("Shift");
    }
  }
  const char lower = ToLowerCp1252(c);
  const auto key = PortugueseKeyFor(lower);
  if (!key) return;
  if (key->shift) names.emplace_back("Shift");
  if (key->altGr) names.emplace_back("AltGr");
  names.push_back(KeyName(lower));
}

}  // namespace vorelio
