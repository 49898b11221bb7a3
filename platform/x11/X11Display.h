// A connection to an X display that never ends the process.
//
// Xlib's default handlers exit on a protocol error (a window that went away)
// and on the loss of the server. A connection opened here has its errors
// ignored (other connections keep the handler that was there before) and,
// when the server goes away, is only marked lost: every later call on it
// returns at once and the owner stops using it. The first connection also
// ignores SIGPIPE when the process left it at its default (which would end
// the process on the first write to a server that went away).
#pragma once

#include <X11/Xlib.h>

#include <atomic>

namespace vorelio::x11 {

class X11Display {
 public:
  // `name` null: $DISPLAY. IsOpen() is false when the display cannot be
  // opened.
  explicit X11Display(const char* name);
  ~X11Display();
  X11Display(const X11Display&) = delete;
  X11Display& operator=(const X11Display&) = delete;

  bool IsOpen() const { return display_ != nullptr; }
  // False once the server has gone away (or was never reached). A lost
  // connection is never closed (Xlib may block closing it): its memory and
  // socket stay until the process ends.
  bool IsAlive() const;
  // Null when not open.
  Display* Get() const { return display_; }
  Window Root() const;

 private:
  Display* display_ = nullptr;
  std::atomic<bool> lost_{false};
};

}  // namespace vorelio::x11
