// The window in front as the controller sees it on the X display: the
// foreground window with its title, and whether it is one of the program's
// own (made by the program's connection to the display, as the main
// window is).
#pragma once

#include <QWidget>

#include "app/ForegroundWatch.h"
#include "output/x11/X11Foreground.h"

namespace vorelio {

class DesktopForegroundWatch final : public ForegroundWatch {
 public:
  // Both must outlive the watch.
  DesktopForegroundWatch(X11Foreground& desktop, QWidget& programWindow)
      : desktop_(desktop), programWindow_(programWindow) {}

  ForegroundWindow Foreground() override;

 private:
  X11Foreground& desktop_;
  QWidget& programWindow_;
};

}  // namespace vorelio
