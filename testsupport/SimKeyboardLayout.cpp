#include "testsupport/SimKeyboardLayout.h"

#include <string_view>

#include "common/PortugueseKeyboard.h"

namespace vorelio::sim {
namespace {

constexpr uint8_t VK_BACK = 0x08;
constexpr uint8_t VK_TAB = 0x09;
constexpr uint8_t VK_RETURN = 0x0D;
constexpr uint8_t VK_ESCAPE = 0x1B;

constexpr std::string_view kDeadKeys = "\xB4`^~\xA8";

bool IsDeadKey(char c) { return c != 0 && kDeadKeys.find(c) != std::string_view::npos; }

// The accented letter of the dead key and base letter, or 0.
char Compose(char deadKey, char base) {
  for (int code = 0xC0; code <= 0xFF; ++code) {
    const char letter = static_cast<char>(code);
    const auto parts = DecomposeAccentedLetter(letter);
    if (parts && parts->deadKey == deadKey && parts->baseLetter == base) return letter;
  }
  return 0;
}

ProducedCharacters One(char c) { return {{c, 0}, 1}; }

}  // namespace

SimKeyboardLayout::SimKeyboardLayout() {
  for (int code = 0x20; code <= 0xFF; ++code) {
    const auto press = PortugueseKeyFor(static_cast<char>(code));
    if (press) table_[press->virtualKey][press->shift][press->altGr] = static_cast<char>(code);
  }
}

ProducedCharacters SimKeyboardLayout::KeyDown(uint8_t virtualKey, KeyModifiers modifiers) {
  switch (virtualKey) {
    case VK_BACK: return One('\b');
    case VK_TAB: return One('\t');
    case VK_RETURN: return One('\r');
    case VK_ESCAPE: return One('\x1B');
    default: break;
  }
  const bool altGr = modifiers.ctrl && modifiers.alt;
  if (modifiers.ctrl && !modifiers.alt) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return One(static_cast<char>(virtualKey - 'A' + 1));
    return {};
  }
  if (modifiers.alt && !altGr) return {};
  // Caps Lock inverts Shift on the letter keys, ç among them.
  const bool letterKey = (virtualKey >= 'A' && virtualKey <= 'Z') || virtualKey == vk::kCedilla;
  const bool shift = modifiers.shift != (modifiers.capsLock && letterKey && !altGr);
  const char c = table_[virtualKey][shift][altGr];
  if (c == 0) return {};
  const char pending = pendingDeadKey_;
  if (pending == 0) {
    if (IsDeadKey(c)) {
      pendingDeadKey_ = c;
      return {};
    }
    return One(c);
  }
  pendingDeadKey_ = 0;
  if (c == ' ') return One(pending);
  if (const char composed = Compose(pending, c)) return One(composed);
  return {{pending, c}, 2};
}

KeyScanResult SimKeyboardLayout::KeyScan(char character) {
  if (character == '\r') return VK_RETURN;
  if (character == '\b') return VK_BACK;
  return PortugueseKeyScan(character);
}

}  // namespace vorelio::sim
