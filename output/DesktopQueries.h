// What an output target asks of the desktop about the foreign window it
// writes into: the window's thread, its caret, its client area, the mouse
// pointer and the foreground. The X11 side answers for $DISPLAY; the
// simulated desktop of the tests answers for its fake applications.
//
// Called on the user-interface thread only. Queries about a window that no
// longer exists give their "unknown" answer; nothing here throws.
#pragma once

#include <cstdint>
#include <optional>

namespace vorelio {

// A window of the desktop, not of the program's message layer: an X11
// window id, or a simulated desktop's window. 0: none.
using DesktopWindow = std::uintptr_t;

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Screen coordinates; right and bottom are just outside, as on Windows.
struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool Contains(ScreenPoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

class DesktopQueries {
 public:
  virtual ~DesktopQueries() = default;
  // The thread the hook library must watch to see the window's input (a
  // desktop that watches the whole display may answer any value).
  virtual uint32_t ThreadOfWindow(DesktopWindow window) = 0;
  // The top-left corner of the window's text caret on the screen, when the
  // desktop can tell (X11: through the accessibility bus, where available).
  virtual std::optional<ScreenPoint> CaretPosition(DesktopWindow window) = 0;
  // True when the window under the mouse pointer is `window` or one of its
  // descendants.
  virtual bool IsPointerOver(DesktopWindow window) = 0;
  // The window's client area on the screen; nothing for an unknown window.
  virtual std::optional<ScreenRect> ClientArea(DesktopWindow window) = 0;
  // Moves the mouse pointer to the screen point.
  virtual void MovePointer(ScreenPoint point) = 0;
  // Raises the window and gives it the input focus.
  virtual void BringToForeground(DesktopWindow window) = 0;
};

}  // namespace vorelio
