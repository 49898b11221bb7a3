#include "platform/x11/X11Keymap.h"

#include <xcb/xcb.h>
// xcb/xkb.h names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>

namespace vorelio::x11 {

X11Keymap::X11Keymap(const char* displayName) {
  connection_ = xcb_connect(displayName, nullptr);
  if (xcb_connection_has_error(connection_) != 0) return;
  if (xkb_x11_setup_xkb_extension(connection_, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                  XKB_X11_MIN_MINOR_XKB_VERSION,
                                  XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr,
                                  nullptr, nullptr) == 0) {
    return;
  }
  device_ = xkb_x11_get_core_keyboard_device_id(connection_);
  context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  if (device_ < 0 || context_ == nullptr) return;
  // Told of every change of the keyboard or of its mapping.
  const uint16_t events =
      XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
  xcb_xkb_select_events(connection_, static_cast<xcb_xkb_device_spec_t>(device_), events, 0,
                        events, 0xFF, 0xFF, nullptr);
  xcb_flush(connection_);
  Load();
}

X11Keymap::~X11Keymap() {
  xkb_keymap_unref(keymap_);
  xkb_context_unref(context_);
  if (connection_ != nullptr) xcb_disconnect(connection_);
}

bool X11Keymap::IsOpen() const {
  return keymap_ != nullptr && xcb_connection_has_error(connection_) == 0;
}

bool X11Keymap::Load() {
  xkb_keymap* keymap = xkb_x11_keymap_new_from_device(context_, connection_, device_,
                                                      XKB_KEYMAP_COMPILE_NO_FLAGS);
  if (keymap == nullptr) return false;
  xkb_keymap_unref(keymap_);
  keymap_ = keymap;
  keys_ = X11KeyTable(keymap_);
  return true;
}

bool X11Keymap::Refresh() {
  if (context_ == nullptr || xcb_connection_has_error(connection_) != 0) return false;
  bool changed = false;
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
    changed = true;  // only the XKB notifications selected above arrive
    std::free(event);
  }
  return changed && Load();
}

int X11Keymap::FileDescriptor() const {
  if (connection_ == nullptr || xcb_connection_has_error(connection_) != 0) return -1;
  return xcb_get_file_descriptor(connection_);
}

void X11Keymap::LockedState(uint32_t& modifiers, uint32_t& group) const {
  modifiers = 0;
  group = 0;
  if (!IsOpen()) return;
  xcb_xkb_get_state_reply_t* reply = xcb_xkb_get_state_reply(
      connection_,
      xcb_xkb_get_state(connection_, static_cast<xcb_xkb_device_spec_t>(device_)), nullptr);
  if (reply == nullptr) return;
  modifiers = reply->lockedMods;
  group = reply->lockedGroup;
  std::free(reply);
}

}  // namespace vorelio::x11
