// The hooked client's top-level windows, with the special keys and the
// captured buttons grabbed on each of them, so that they act only in the
// program while the client has the focus (or the pointer).
//
// The windows are found when the client is chosen, however deep a window
// manager nests them in frames (TopLevelsOfClient), and followed from then
// on: the root's substructure events announce every top-level window as it
// is created, mapped or reparented, and one of the client's is grabbed at
// once, before it can take the focus; a window manager's new active window
// (_NET_ACTIVE_WINDOW) is looked at too. A followed window's destruction is
// heard through its own structure events. The grabs on a window are
// requested before those events are selected on it, so once another client
// sees StructureNotifyMask among the window's event masks the grabs are in
// place.
//
// Not thread-safe: the backend calls it under its lock. It works through
// the backend's control connection, and touches a lost one no more.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "platform/x11/X11Display.h"

namespace vorelio::x11 {

class X11ClientGrabs {
 public:
  // What is swallowed: keys by keycode (with any modifiers), and whether
  // buttons 1-3 are.
  struct Swallowed {
    std::vector<unsigned int> keycodes;
    bool buttons = false;
  };

  // Selects the root's substructure and property events on `connection`,
  // which must outlive this.
  explicit X11ClientGrabs(X11Display& connection);
  ~X11ClientGrabs();  // releases every grab
  X11ClientGrabs(const X11ClientGrabs&) = delete;
  X11ClientGrabs& operator=(const X11ClientGrabs&) = delete;

  // Grabs what is swallowed on every top-level window of `client` (0: no
  // client, nothing grabbed); a new client's windows are looked for first.
  void Update(uint32_t client, Swallowed swallowed);
  // An event read from the connection: a new top-level window of the
  // client is grabbed, a destroyed one forgotten; others are ignored.
  void Handle(const XEvent& event);
  // Grabs on the window when it is a top-level window of the client that
  // is not followed yet (the focus reached a window missed otherwise).
  void Adopt(Window window);

  const std::vector<Window>& Windows() const { return windows_; }

 private:
  void Grab(Window window);
  void Ungrab(Window window);

  X11Display& connection_;
  Atom activeWindow_ = None;
  uint32_t client_ = 0;
  Swallowed swallowed_;
  std::vector<Window> windows_;
};

}  // namespace vorelio::x11
