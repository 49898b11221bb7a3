#include "gui/QtVirtualKeys.h"

#include <QKeyEvent>

#include <optional>

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"
#include "common/KeyMessageFlags.h"

namespace vorelio {
namespace {

struct NamedKey {
  int qtKey;
  uint8_t virtualKey;
  bool extended;  // when not on the keypad
};
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, vk::kBack, false}, {Qt::Key_Tab, vk::kTab, false},
    {Qt::Key_Backtab, vk::kTab, false},    {Qt::Key_Return, vk::kReturn, false},
    {Qt::Key_Enter, vk::kReturn, false},   {Qt::Key_Shift, vk::kShift, false},
    {Qt::Key_Control, vk::kControl, false}, {Qt::Key_Alt, vk::kMenu, false},
    {Qt::Key_AltGr, vk::kMenu, true},      {Qt::Key_Pause, 0x13, false},
    {Qt::Key_CapsLock, vk::kCapital, false}, {Qt::Key_Escape, 0x1B, false},
    {Qt::Key_Space, vk::kSpace, false},    {Qt::Key_PageUp, vk::kPrior, true},
    {Qt::Key_PageDown, vk::kNext, true},   {Qt::Key_End, vk::kEnd, true},
    {Qt::Key_Home, vk::kHome, true},       {Qt::Key_Left, vk::kLeft, true},
    {Qt::Key_Up, vk::kUp, true},           {Qt::Key_Right, vk::kRight, true},
    {Qt::Key_Down, vk::kDown, true},       {Qt::Key_Clear, 0x0C, false},
    {Qt::Key_Print, 0x2C, true},           {Qt::Key_Insert, 0x2D, true},
    {Qt::Key_Delete, vk::kDelete, true},   {Qt::Key_Meta, 0x5B, true},
    {Qt::Key_Super_L, 0x5B, true},         {Qt::Key_Super_R, 0x5C, true},
    {Qt::Key_Menu, 0x5D, true},            {Qt::Key_NumLock, 0x90, true},
    {Qt::Key_ScrollLock, 0x91, false},
};

// The keypad's digits and operators with Num Lock on.
std::optional<uint8_t> KeypadKey(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint8_t>(0x60 + (key - Qt::Key_0));
  switch (key) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 0x6E;
    case Qt::Key_Slash: return 0x6F;
    default: return std::nullopt;
  }
}

// The character a dead key types alone.
char DeadKeyCharacter(int key) {
  switch (key) {
    case Qt::Key_Dead_Acute: return '\xB4';
    case Qt::Key_Dead_Grave: return '`';
    case Qt::Key_Dead_Circumflex: return '^';
    case Qt::Key_Dead_Tilde: return '~';
    case Qt::Key_Dead_Diaeresis: return '\xA8';
    default: return 0;
  }
}

// Qt names the Latin-1 keys by their character (letters in capitals),
// which is Windows-1252 there. The key is the one that types it, or for an
// accented letter the key of its base letter.
uint8_t CharacterKey(char character) {
  if (const auto parts = DecomposeAnyAccentedLetter(character)) character = parts->baseLetter;
  const char lower = ToLowerCp1252(character);
  if (lower >= 'a' && lower <= 'z') return static_cast<uint8_t>(lower - 'a' + 'A');
  if (const std::optional<KeyPress> press = PortugueseKeyFor(lower)) return press->virtualKey;
  if (const std::optional<KeyPress> press = PortugueseKeyFor(character)) return press->virtualKey;
  return 0;
}

const NamedKey* NamedKeyOf(int key) {
  for (const NamedKey& named : kNamedKeys) {
    if (named.qtKey == key) return &named;
  }
  return nullptr;
}

}  // namespace

uint8_t VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (keypad) {
    if (const std::optional<uint8_t> code = KeypadKey(key)) return *code;
  }
  if (const NamedKey* named = NamedKeyOf(key)) return named->virtualKey;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<uint8_t>(0x70 + (key - Qt::Key_F1));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint8_t>(key);
  if (const char dead = DeadKeyCharacter(key)) return CharacterKey(dead);
  if (key > 0x20 && key <= 0xFF) return CharacterKey(static_cast<char>(key));
  return 0;
}

std::intptr_t KeyFlagsOf(const QKeyEvent& event, bool released) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  const NamedKey* named = NamedKeyOf(key);
  const bool extended = (named != nullptr && named->extended && !keypad) ||
                        (keypad && (key == Qt::Key_Enter || key == Qt::Key_Slash));
  return KeyMessageFlags({.extended = extended,
                          .altHeld = event.modifiers().testFlag(Qt::AltModifier),
                          .wasDown = event.isAutoRepeat(),
                          .released = released});
}

}  // namespace vorelio
