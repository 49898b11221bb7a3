// What the controller asks of the program's main window. The GUI implements
// it; tests record the calls.
#pragma once

#include <string_view>

#include "output/DesktopQueries.h"

namespace vorelio {

class CWordProcessor;

class MainWindow {
 public:
  virtual ~MainWindow() = default;
  // Enables every item of the menu and shows the menu bar, which releases a
  // menu the profile locked (BLOQUEAR_MENU).
  virtual void UnlockMenu() = 0;
  // Lays the window out again: the on-screen keyboard changed size or was
  // replaced.
  virtual void LayOut() = 0;
  // The window's frame and the desktop's work area, on the screen.
  virtual ScreenRect Frame() = 0;
  virtual ScreenRect Desktop() = 0;
  // Moves the window, keeping its size, so its top-left corner is at `topLeft`.
  virtual void MoveTo(ScreenPoint topLeft) = 0;
  // Where the on-screen keyboard's top-left corner is on the screen; the
  // centres of keys in the event log are measured from it.
  virtual ScreenPoint KeyboardOrigin() = 0;
  // Shows `title` (Windows-1252) as the window's title.
  virtual void SetTitle(std::string_view title) = 0;
  // Destroys the program's message editor, if there is one, and when
  // `wanted` makes a new, empty one in the window: the editor, detached, or
  // null when none is wanted or it cannot be made. The controller has
  // detached the old editor before it asks.
  virtual CWordProcessor* RenewMessageEditor(bool wanted) = 0;
  // Closes the window as the user closing it does, once the event being
  // handled is done (the controller is then destroyed): the program ends.
  virtual void Close() = 0;
};

}  // namespace vorelio
