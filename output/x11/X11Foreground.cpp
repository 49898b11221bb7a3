#include "output/x11/X11Foreground.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string_view>

#include "common/Text.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11Windows.h"

namespace vorelio {
namespace {

bool WindowExists(Display* display, Window window) {
  XWindowAttributes attributes;
  return window != None && XGetWindowAttributes(display, window, &attributes) != 0;
}

}  // namespace

X11Foreground::X11Foreground(const char* displayName)
    : display_(std::make_unique<x11::X11Display>(displayName)) {}

X11Foreground::~X11Foreground() = default;

bool X11Foreground::IsOpen() const { return display_->IsAlive(); }

DesktopWindow X11Foreground::Foreground() {
  if (!IsOpen()) return 0;
  const Window window = x11::FocusedTopLevel(display_->Get());
  return IsOpen() ? window : 0;  // a lost connection answers nothing sound
}

std::string X11Foreground::Title(DesktopWindow window) {
  if (!IsOpen() || window == 0) return {};
  Display* display = display_->Get();
  std::string text;
  if (x11::ReadTextProperty(display, window, XInternAtom(display, "_NET_WM_NAME", True),
               XInternAtom(display, "UTF8_STRING", True), text)) {
    return Utf8ToCp1252(text);
  }
  // WM_NAME is Latin-1, which Windows-1252 contains.
  if (x11::ReadTextProperty(display, window, XA_WM_NAME, XA_STRING, text)) return text;
  return {};
}

uint32_t X11Foreground::ThreadOfWindow(DesktopWindow window) {
  if (!IsOpen() || !WindowExists(display_->Get(), window)) return 0;
  return x11::ClientOfWindow(display_->Get(), window);
}

namespace {

// True when `window` is `ancestor` or lies inside it.
bool IsInside(Display* display, Window window, Window ancestor) {
  for (int depth = 0; window != None && depth < 64; ++depth) {
    if (window == ancestor) return true;
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return false;
    if (children != nullptr) XFree(children);
    window = parent == root ? None : parent;
  }
  return false;
}

}  // namespace

// X11 has no caret. Without the accessibility bus the best estimate is the
// window that holds the keyboard focus: its top-left corner, which for
// toolkits with a window per text field is the field, and otherwise the
// application's window.
std::optional<ScreenPoint> X11Foreground::CaretPosition(DesktopWindow window) {
  if (!IsOpen() || window == 0) return std::nullopt;
  Display* display = display_->Get();
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (focus == None || focus == PointerRoot || !IsInside(display, focus, window))
    return std::nullopt;
  int x = 0;
  int y = 0;
  Window child = None;
  if (!XTranslateCoordinates(display, focus, DefaultRootWindow(display), 0, 0, &x, &y, &child))
    return std::nullopt;
  return ScreenPoint{x, y};
}

bool X11Foreground::IsPointerOver(DesktopWindow window) {
  if (!IsOpen() || window == 0) return false;
  Display* display = display_->Get();
  int x = 0;
  int y = 0;
  Window under = x11::WindowUnderPointer(display, x, y);
  return IsInside(display, under, window);
}

std::optional<ScreenRect> X11Foreground::ClientArea(DesktopWindow window) {
  if (!IsOpen() || window == 0) return std::nullopt;
  Display* display = display_->Get();
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0) return std::nullopt;
  int x = 0;
  int y = 0;
  Window child = None;
  if (XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child) ==
      0) {
    return std::nullopt;
  }
  return ScreenRect{x, y, x + attributes.width, y + attributes.height};
}

void X11Foreground::MovePointer(ScreenPoint point) {
  if (!IsOpen()) return;
  Display* display = display_->Get();
  XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, point.x, point.y);
  XSync(display, False);
}

void X11Foreground::BringToForeground(DesktopWindow window) {
  if (!IsOpen() || !WindowExists(display_->Get(), window)) return;
  Display* display = display_->Get();
  const Window root = DefaultRootWindow(display);
  const Atom supported = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const bool windowManager =
      supported != None &&
      XGetWindowProperty(display, root, supported, 0, 1, False, XA_WINDOW, &type, &format,
                         &items, &remaining, &data) == Success &&
      items == 1;
  if (data != nullptr) XFree(data);
  if (windowManager) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // from a pager: the request of a user's tool
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  } else {
    XRaiseWindow(display, window);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
  }
  XSync(display, False);
}

}  // namespace vorelio
