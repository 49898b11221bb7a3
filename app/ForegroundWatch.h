// Which window is in front, for the choice of the output target after a
// focus change: the X11 side reads the active window and its title, tests
// the simulated desktop's focus. The platform also tells the controller of
// every focus change (CPredarinView::FocusChanged).
#pragma once

#include "output/TargetSelection.h"

namespace vorelio {

class ForegroundWatch {
 public:
  virtual ~ForegroundWatch() = default;
  // The window in front now; a window of 0 when none is.
  virtual ForegroundWindow Foreground() = 0;
};

}  // namespace vorelio
