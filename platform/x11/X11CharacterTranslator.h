// Turns observed key presses into the characters an application receives,
// as WM_CHAR would carry them, in Windows-1252.
//
// It keeps its own XKB state (modifiers, Caps Lock, the layout group) and a
// compose state: a dead key gives nothing, and the composed character comes
// with the base letter after it ("´" then "a" gives "á"). Ctrl with a letter
// gives the control character (Ctrl+A is 1) as on Windows; Alt without Ctrl
// gives nothing (Windows sends WM_SYSCHAR then); Delete gives nothing.
// Characters with no Windows-1252 byte are dropped.
#pragma once

#include <array>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/x11/X11KeyTable.h"

struct xkb_keymap;
struct xkb_state;
struct xkb_compose_table;
struct xkb_compose_state;

namespace vorelio::x11 {

class X11CharacterTranslator {
 public:
  // Without a keymap nothing is translated. The compose table is the one of
  // the user's locale (LC_ALL, LC_CTYPE, LANG), en_US.UTF-8 when that has
  // none; without any, dead keys compose nothing.
  X11CharacterTranslator();
  ~X11CharacterTranslator();
  X11CharacterTranslator(const X11CharacterTranslator&) = delete;
  X11CharacterTranslator& operator=(const X11CharacterTranslator&) = delete;

  // Starts over with a new keymap (kept alive by a reference of our own),
  // with the locked modifiers and group the server reports; drops any
  // composition under way.
  void SetKeymap(xkb_keymap* keymap, uint32_t lockedModifiers, uint32_t lockedGroup);

  // Feeds one key event. On a press with `typesCharacters`, the characters
  // (none, or one byte) that the application receives are appended to
  // `characters`; a swallowed key still moves the modifiers but types
  // nothing and does not enter a composition.
  void KeyEvent(Keycode keycode, bool down, bool typesCharacters, std::string& characters);

  // Caps Lock's and Num Lock's toggles as of the events fed so far.
  bool CapsLockOn() const;
  bool NumLockOn() const;

 private:
  void AppendUtf8(const char* utf8, std::string& characters) const;

  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
  xkb_compose_table* composeTable_ = nullptr;
  xkb_compose_state* compose_ = nullptr;
  // Keys held down, so that a new keymap (X servers announce one when the
  // injecting device takes over) keeps Ctrl, Shift and AltGr held.
  std::array<bool, 256> pressed_{};
};

}  // namespace vorelio::x11
