// The foreign window the program writes into, as X11 shows it: the
// foreground window, its title, and the desktop queries of an output target
// (output/DesktopQueries.h).
//
// The foreground is _NET_ACTIVE_WINDOW when a window manager sets it, else
// the input focus climbed to its client's top-level window; it is read on
// each call, so the focus events that grabs cause never mislead it. A
// window's thread is its X client, in the meaning of the hook backend
// (platform/x11/X11Windows.h), so ThreadOfWindow's answer is what InitializeHook
// takes.
//
// The caret position proper needs the accessibility bus (AT-SPI), which
// this class does not use: CaretPosition answers the top-left corner of the
// window that holds the keyboard focus, when it lies in the given window,
// and nothing otherwise.
//
// Failure: without a display, or once the server went away, every query
// gives its "unknown" answer (0, "", nothing, false) and the actions do
// nothing. A window that no longer exists is the same.
#pragma once

#include <memory>
#include <string>

#include "output/DesktopQueries.h"

namespace vorelio::x11 {
class X11Display;
}

namespace vorelio {

class X11Foreground final : public DesktopQueries {
 public:
  // `displayName` null: $DISPLAY.
  explicit X11Foreground(const char* displayName = nullptr);
  ~X11Foreground() override;
  X11Foreground(const X11Foreground&) = delete;
  X11Foreground& operator=(const X11Foreground&) = delete;

  bool IsOpen() const;
  // The foreground top-level window; 0 when nothing has the focus.
  DesktopWindow Foreground();
  // _NET_WM_NAME, else WM_NAME, in Windows-1252; "" when it has none.
  std::string Title(DesktopWindow window);

  uint32_t ThreadOfWindow(DesktopWindow window) override;
  std::optional<ScreenPoint> CaretPosition(DesktopWindow window) override;
  bool IsPointerOver(DesktopWindow window) override;
  std::optional<ScreenRect> ClientArea(DesktopWindow window) override;
  void MovePointer(ScreenPoint point) override;
  // Through the window manager (_NET_ACTIVE_WINDOW) when there is one, else
  // raising the window and setting the input focus.
  void BringToForeground(DesktopWindow window) override;

 private:
  std::unique_ptr<x11::X11Display> display_;
};

}  // namespace vorelio
