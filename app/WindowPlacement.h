// Where the main window goes when it follows the target's caret, on the
// controller's window-follow tick while another application is in front.
// Both keep the window's size.
#pragma once

#include "output/DesktopQueries.h"

namespace vorelio {

// REPOSICIONAR_JANELA: the desktop is cut into quadrants at its middles,
// tested in the order top-left, bottom-left, top-right, bottom-right, and the
// window goes to the corner opposite the caret's quadrant. With the animated
// character shown the window keeps clear of it: 100 pixels from the left
// edge and 50 from the top where it goes to those edges.
ScreenPoint PlaceAwayFromCaret(ScreenPoint caret, const ScreenRect& desktop,
                               const ScreenRect& frame, bool characterShown);

// PERSEGUIR_CURSOR_TEXTO: the window's top-left corner 100 pixels right of
// the caret, at its height, moved back onto the desktop as far as it would
// leave it.
ScreenPoint PlaceNextToCaret(ScreenPoint caret, const ScreenRect& desktop, const ScreenRect& frame);

}  // namespace vorelio
