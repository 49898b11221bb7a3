// Where synthesized keystrokes go: the stand-in for keybd_event and
// VkKeyScanA. The X11 implementation injects through XTEST with the active
// XKB keymap; the simulated desktop feeds the keys through the hook
// procedures into its fake applications.
#pragma once

#include <cstdint>

namespace vorelio {

// VkKeyScanA's result: low byte the virtual-key code, 0x100 Shift,
// 0x200 Ctrl, 0x400 Alt; -1 when no key types the character.
using KeyScanResult = int16_t;
inline constexpr KeyScanResult kNoKey = -1;
inline constexpr int kScanShift = 0x100;
inline constexpr int kScanCtrl = 0x200;
inline constexpr int kScanAlt = 0x400;

class KeystrokeSink {
 public:
  virtual ~KeystrokeSink() = default;
  // One key down or up of a Windows virtual-key code.
  virtual void SendKeyEvent(uint8_t virtualKey, bool down) = 0;
  // Which key, with which modifiers, types the Windows-1252 character on
  // the active layout. A dead key's character (´ ` ^ ~) gives the dead key.
  virtual KeyScanResult KeyScan(char character) = 0;
};

}  // namespace vorelio
