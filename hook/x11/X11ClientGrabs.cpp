#include "hook/x11/X11ClientGrabs.h"

#include <algorithm>

#include "platform/x11/X11Windows.h"

namespace vorelio::x11 {

X11ClientGrabs::X11ClientGrabs(X11Display& connection) : connection_(connection) {
  if (!connection_.IsAlive()) return;
  Display* display = connection_.Get();
  activeWindow_ = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  XSelectInput(display, connection_.Root(), SubstructureNotifyMask | PropertyChangeMask);
  XFlush(display);
}

X11ClientGrabs::~X11ClientGrabs() { Update(0, {}); }

void X11ClientGrabs::Grab(Window window) {
  Display* display = connection_.Get();
  for (const unsigned int keycode : swallowed_.keycodes) {
    XGrabKey(display, static_cast<int>(keycode), AnyModifier, window, False, GrabModeAsync,
             GrabModeAsync);
  }
  if (swallowed_.buttons) {
    for (unsigned int button = 1; button <= 3; ++button) {
      XGrabButton(display, button, AnyModifier, window, False, ButtonPressMask | ButtonReleaseMask,
                  GrabModeAsync, GrabModeAsync, None, None);
    }
  }
}

void X11ClientGrabs::Ungrab(Window window) {
  XUngrabKey(connection_.Get(), AnyKey, AnyModifier, window);
  XUngrabButton(connection_.Get(), AnyButton, AnyModifier, window);
}

void X11ClientGrabs::Update(uint32_t client, Swallowed swallowed) {
  // A lost connection is never touched again: Xlib may block on it.
  if (!connection_.IsAlive()) return;
  Display* display = connection_.Get();
  for (const Window window : windows_) Ungrab(window);
  swallowed_ = std::move(swallowed);
  if (client != client_) {
    for (const Window window : windows_) XSelectInput(display, window, NoEventMask);
    client_ = client;
    windows_.clear();
    if (client_ != 0) {
      for (const Window window : TopLevelsOfClient(display, client_)) Adopt(window);
    }
  } else {
    for (const Window window : windows_) Grab(window);
  }
  XSync(display, False);
}

void X11ClientGrabs::Adopt(Window window) {
  if (client_ == 0 || window == None || !connection_.IsAlive()) return;
  Display* display = connection_.Get();
  if (ClientOfWindow(display, window) != client_ ||
      std::find(windows_.begin(), windows_.end(), window) != windows_.end()) {
    return;
  }
  windows_.push_back(window);
  Grab(window);
  // After the grabs: whoever sees this selection knows they are made.
  XSelectInput(display, window, StructureNotifyMask);
  XFlush(display);
}

void X11ClientGrabs::Handle(const XEvent& event) {
  switch (event.type) {
    case CreateNotify: Adopt(event.xcreatewindow.window); break;
    case MapNotify: Adopt(event.xmap.window); break;
    case ReparentNotify: Adopt(event.xreparent.window); break;
    case DestroyNotify: {
      const auto found = std::find(windows_.begin(), windows_.end(), event.xdestroywindow.window);
      if (found != windows_.end()) windows_.erase(found);
      break;
    }
    case PropertyNotify:
      if (event.xproperty.atom == activeWindow_ && connection_.IsAlive()) {
        Adopt(FocusedTopLevel(connection_.Get()));
      }
      break;
    default: break;
  }
}

}  // namespace vorelio::x11
