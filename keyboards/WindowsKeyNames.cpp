#include "keyboards/WindowsKeyNames.h"

#include <algorithm>
#include <string_view>

#include "common/PortugueseKeyboard.h"
#include "common/Text.h"

namespace vorelio {

namespace {

struct KeyName {
  int virtualKey;
  const char* name;
};

// Keys whose name does not depend on the extended flag.
constexpr KeyName kFixedNames[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},          {0x0C, "Num 5"},        {0x10, "Shift"},
    {0x13, "Pause"},     {0x14, "Caps Lock"},    {0x1B, "Esc"},          {0x20, "Space"},
    {0x2C, "Prnt Scrn"}, {0x5B, "Left Windows"}, {0x5C, "Right Windows"}, {0x5D, "Application"},
    {0x6A, "Num *"},     {0x6B, "Num +"},        {0x6D, "Num -"},        {0x6E, "Num Del"},
    {0x6F, "Num /"},     {0x90, "Num Lock"},     {0x91, "Scroll Lock"},  {0xA0, "Shift"},
    {0xA1, "Right Shift"}, {0xA2, "Ctrl"},       {0xA3, "Right Ctrl"},   {0xA4, "Alt"},
    {0xA5, "Right Alt"},
};

// Keys found twice on a keyboard: the name without and with the extended flag.
struct TwinKeyName {
  int virtualKey;
  const char* plain;
  const char* extended;
};
constexpr TwinKeyName kTwinNames[] = {
    {0x0D, "Enter", "Num Enter"}, {0x11, "Ctrl", "Right Ctrl"},  {0x12, "Alt", "Right Alt"},
    {0x21, "Num 9", "Page Up"},   {0x22, "Num 3", "Page Down"},  {0x23, "Num 1", "End"},
    {0x24, "Num 7", "Home"},      {0x25, "Num 4", "Left"},       {0x26, "Num 8", "Up"},
    {0x27, "Num 6", "Right"},     {0x28, "Num 2", "Down"},       {0x2D, "Num 0", "Insert"},
    {0x2E, "Num Del", "Delete"},
};

// The keys whose usual instance is the extended one.
bool UsuallyExtended(int virtualKey) { return virtualKey >= 0x21 && virtualKey <= 0x2E; }

// The character a punctuation key of the Portuguese layout types alone.
std::string LayoutCharacter(int virtualKey) {
  for (int c = 0x20; c <= 0xFF; ++c) {
    const auto key = PortugueseKeyFor(static_cast<char>(c));
    if (key && key->virtualKey == virtualKey && !key->shift && !key->altGr)
      return std::string(1, static_cast<char>(c));
  }
  return {};
}

}  // namespace

std::string WindowsKeyName(int virtualKey, std::intptr_t keyFlags) {
  const bool extended = (keyFlags & kExtendedKeyFlag) != 0;
  if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
    return std::string(1, static_cast<char>(virtualKey));
  if (virtualKey >= 0x60 && virtualKey <= 0x69) return "Num " + std::to_string(virtualKey - 0x60);
  if (virtualKey >= 0x70 && virtualKey <= 0x87) return "F" + std::to_string(virtualKey - 0x6F);
  for (const TwinKeyName& key : kTwinNames)
    if (key.virtualKey == virtualKey) return extended ? key.extended : key.plain;
  for (const KeyName& key : kFixedNames)
    if (key.virtualKey == virtualKey) return key.name;
  if (virtualKey >= 0xBA && virtualKey <= 0xE2) return LayoutCharacter(virtualKey);
  return {};
}

std::string WindowsKeyName(int virtualKey) {
  return WindowsKeyName(virtualKey, UsuallyExtended(virtualKey) ? kExtendedKeyFlag : 0);
}

std::string KeyDownEventName(int virtualKey, std::intptr_t keyFlags) {
  std::string name = ToUpper(WindowsKeyName(virtualKey, keyFlags));
  std::replace(name.begin(), name.end(), ' ', '_');
  return "KEY_DOWN_" + name;
}

}  // namespace vorelio
