// Windows virtual-key codes for the keys of an XKB keymap, in both
// directions, and the key that types a Windows-1252 character.
//
// Key identities everywhere in the program are Windows virtual-key codes.
// Letters, digits and the named keys (Return, the arrows, F1-F24, the keypad,
// the modifiers) are found by the key's unshifted symbol; the punctuation
// keys take the code Windows gives the key at the same place on the
// Portuguese layout (common/PortugueseKeyboard.h), found by the key's XKB
// name (AE11, AD12...). AltGr (ISO_Level3_Shift) counts as VK_MENU.
//
// The keypad keys have two codes, as on Windows: with Num Lock on, the
// digits' VK_NUMPAD0..9 and VK_DECIMAL for the separator key; with Num Lock
// off, the code of what the key does then (its first-level symbol: VK_HOME,
// VK_UP, VK_PRIOR, VK_LEFT, VK_CLEAR for the middle key, VK_RIGHT, VK_END,
// VK_DOWN, VK_NEXT, VK_INSERT, VK_DELETE). A keypad that types digits
// whatever Num Lock says keeps its VK_NUMPAD codes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

struct xkb_keymap;

namespace vorelio::x11 {

using Keycode = uint32_t;  // an X keycode; 0: none

// The key and the level (Shift, AltGr) that type a character.
struct CharacterKey {
  Keycode keycode = 0;
  uint8_t virtualKey = 0;
  bool shift = false;
  bool altGr = false;
};

class X11KeyTable {
 public:
  X11KeyTable() = default;  // knows no key
  // Reads the first layout of the keymap; the keymap is not kept.
  explicit X11KeyTable(xkb_keymap* keymap);

  // The key's code; for a keypad key, its Num Lock code. 0 for a key with
  // no virtual-key code.
  uint8_t VirtualKeyOf(Keycode keycode) const;
  // The code the key reports while Num Lock is on or off.
  uint8_t VirtualKeyOf(Keycode keycode, bool numLockOn) const;
  // The lowest keycode with that virtual-key code (a keypad key's Num Lock
  // code only); 0 when none.
  Keycode KeycodeOf(uint8_t virtualKey) const;
  // The AltGr key (RALT preferred), 0 when the keymap has none.
  Keycode AltGrKeycode() const { return altGrKeycode_; }
  // True when AltGr changes what the key types (a level-three symbol).
  bool HasAltGrLevel(Keycode keycode) const {
    return keycode < kKeycodes && altGrKeys_[keycode];
  }
  // The key with the fewest modifiers that types the character (a main key
  // before a keypad key). The dead-key characters ´ ` ^ ~ ¨ give their dead
  // key. Line feed is Return; carriage return has no key of its own (a
  // "\r\n" line end types one Return). Nothing for a character that no key
  // types.
  std::optional<CharacterKey> KeyFor(char character) const;

 private:
  static constexpr int kKeycodes = 256;
  std::array<uint8_t, kKeycodes> virtualKeys_{};
  std::array<uint8_t, kKeycodes> withoutNumLock_{};  // 0: as with Num Lock
  std::array<Keycode, 256> keycodes_{};
  Keycode altGrKeycode_ = 0;
  std::array<bool, kKeycodes> altGrKeys_{};
  // Per Windows-1252 byte: the typing key, found once at construction.
  void FindCharacterKeys(xkb_keymap* keymap);

  std::array<std::optional<CharacterKey>, 256> characterKeys_{};
};

// The PC (set 1) scan code of a key, as Windows puts it in the key-message
// flags, with 0x100 for an extended key; 0 when unknown. X keycodes are the
// Linux input codes plus 8, and those are the scan codes of the main block.
uint32_t ScanCodeOf(Keycode keycode);

// The virtual-key code of a named key symbol (Return, F5, KP_3...); 0 for
// any other symbol.
uint8_t VirtualKeyOfNamedSymbol(uint32_t keysym);

}  // namespace vorelio::x11
