#include "output/x11/X11FocusWatcher.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "platform/x11/X11Display.h"

namespace vorelio {

struct X11FocusWatcher::State {
  x11::X11Display display;
  std::function<void()> changed;
  int stopPipe[2] = {-1, -1};
  Atom activeWindow = None;
  std::thread thread;

  State(const char* name, std::function<void()> callback)
      : display(name), changed(std::move(callback)) {}

  void WatchTopLevel(Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display.Get(), window, &attributes) == 0) return;
    if (attributes.override_redirect) return;  // menus and tooltips never hold the focus
    XSelectInput(display.Get(), window, FocusChangeMask);
  }

  void WatchEverything() {
    Display* x = display.Get();
    const Window root = display.Root();
    activeWindow = XInternAtom(x, "_NET_ACTIVE_WINDOW", False);
    XSelectInput(x, root, PropertyChangeMask | SubstructureNotifyMask);
    Window rootReturn = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(x, root, &rootReturn, &parent, &children, &count) != 0) {
      for (unsigned int i = 0; i < count; ++i) WatchTopLevel(children[i]);
      if (children != nullptr) XFree(children);
    }
    XFlush(x);
  }

  // True when the event may mean another window is in front.
  bool IsChange(const XEvent& event) {
    switch (event.type) {
      case PropertyNotify:
        return event.xproperty.atom == activeWindow;
      case FocusIn:
        return event.xfocus.mode == NotifyNormal || event.xfocus.mode == NotifyWhileGrabbed;
      case CreateNotify:
        WatchTopLevel(event.xcreatewindow.window);
        return false;
      case DestroyNotify:
      case UnmapNotify:
        // The window in front may have gone; the focus falls elsewhere
        // without a FocusIn on a top level when it falls to the root.
        return true;
      default:
        return false;
    }
  }

  void Run() {
    Display* x = display.Get();
    pollfd fds[2] = {{ConnectionNumber(x), POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
    while (display.IsAlive()) {
      bool change = false;
      while (XPending(x) > 0) {
        XEvent event;
        XNextEvent(x, &event);
        change = IsChange(event) || change;
      }
      if (!display.IsAlive()) return;
      if (change) changed();
      if (poll(fds, 2, -1) < 0) continue;
      if (fds[1].revents != 0) return;
      if ((fds[0].revents & (POLLERR | POLLHUP)) != 0) return;
    }
  }
};

X11FocusWatcher::X11FocusWatcher(const char* displayName, std::function<void()> changed)
    : state_(std::make_unique<State>(displayName, std::move(changed))) {
  if (!state_->display.IsOpen() || pipe(state_->stopPipe) != 0) return;
  state_->WatchEverything();
  state_->thread = std::thread([state = state_.get()] { state->Run(); });
}

X11FocusWatcher::~X11FocusWatcher() {
  if (state_->thread.joinable()) {
    const char stop = 1;
    (void)!write(state_->stopPipe[1], &stop, 1);
    state_->thread.join();
  }
  for (int fd : state_->stopPipe) {
    if (fd >= 0) close(fd);
  }
}

bool X11FocusWatcher::IsWatching() const { return state_->thread.joinable(); }

}  // namespace vorelio
