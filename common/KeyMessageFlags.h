// The flags of a Windows key message (the lParam of WM_KEYDOWN and
// WM_KEYUP), which the hook library and the message editor report with
// every key: repeat count 1, the scan code, whether the key is an extended
// one, whether Alt is held, whether the key was already down and whether it
// was released.
#pragma once

#include <cstdint>

namespace vorelio {

// Bit 24: the key is one of the extended keys (the dedicated arrows and
// editing keys, right Ctrl and Alt, keypad Enter and "/").
inline constexpr std::intptr_t kExtendedKeyFlag = std::intptr_t{1} << 24;

struct KeyMessage {
  uint32_t scanCode = 0;  // the PC scan code; 0x100 marks an extended key
  bool extended = false;  // also an extended key
  bool altHeld = false;
  bool wasDown = false;  // a repeat, or any release
  bool released = false;
};

// The flags as a message carries them: a 32-bit value, sign-extended (a
// release is negative).
constexpr std::intptr_t KeyMessageFlags(const KeyMessage& key) {
  uint32_t flags = 1 | ((key.scanCode & 0xFF) << 16);
  if (key.extended || (key.scanCode & 0x100) != 0) flags |= 1u << 24;
  if (key.altHeld) flags |= 1u << 29;
  if (key.wasDown || key.released) flags |= 1u << 30;
  if (key.released) flags |= 1u << 31;
  return static_cast<std::intptr_t>(static_cast<int32_t>(flags));
}

}  // namespace vorelio
