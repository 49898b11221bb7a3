// Top-level windows that never take the keyboard focus, as the on-screen
// keyboard must be: clicking its keys leaves the focus in the application
// the user writes in, so that the text goes there.
#pragma once

class QWidget;

namespace vorelio {

// Makes `window` (a top-level widget, before it is shown) such a window: it
// does not accept the focus (Qt::WindowDoesNotAcceptFocus, which tells the
// X server and the window manager through WM_HINTS), is shown without being
// activated, and none of its present children takes the focus on a click
// (Qt::NoFocus). Children added later need Qt::NoFocus too.
void KeepFocusAway(QWidget& window);

}  // namespace vorelio
