// The active XKB keymap of an X display, read through a connection of its
// own and read again when the server's keyboard mapping changes
// (setxkbmap, a new keyboard).
//
// Nothing here ends the process: when the display cannot be opened, has no
// XKB, or goes away, the keymap is simply absent (IsOpen false, Keymap null,
// a table that knows no key).
#pragma once

#include <cstdint>

#include "platform/x11/X11KeyTable.h"

struct xcb_connection_t;
struct xkb_context;
struct xkb_keymap;

namespace vorelio::x11 {

class X11Keymap {
 public:
  // `displayName` null: $DISPLAY.
  explicit X11Keymap(const char* displayName);
  ~X11Keymap();
  X11Keymap(const X11Keymap&) = delete;
  X11Keymap& operator=(const X11Keymap&) = delete;

  // True while the connection works and a keymap was read.
  bool IsOpen() const;
  // Reads the notifications that arrived, without waiting; true when the
  // keymap was read again (the table and the keymap pointer then changed).
  bool Refresh();
  // Readable when notifications wait; -1 when not open.
  int FileDescriptor() const;

  // Null when not open. Valid until the next Refresh that returns true.
  xkb_keymap* Keymap() const { return keymap_; }
  const X11KeyTable& Keys() const { return keys_; }
  // The server's locked modifiers and locked group now (a round trip);
  // zeros when not open.
  void LockedState(uint32_t& modifiers, uint32_t& group) const;

 private:
  bool Load();

  xcb_connection_t* connection_ = nullptr;
  xkb_context* context_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  int32_t device_ = -1;
  X11KeyTable keys_;
};

}  // namespace vorelio::x11
