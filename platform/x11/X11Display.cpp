#include "platform/x11/X11Display.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>

namespace vorelio::x11 {
namespace {

// The connections opened here; their errors are ignored.
std::mutex guardedMutex;
std::array<Display*, 32> guarded{};
XErrorHandler previousHandler = nullptr;
XIOErrorHandler previousIoHandler = nullptr;
std::once_flag handlerInstalled;

bool IsGuarded(Display* display) {
  std::lock_guard lock(guardedMutex);
  return std::find(guarded.begin(), guarded.end(), display) != guarded.end();
}

int IgnoreGuardedErrors(Display* display, XErrorEvent* error) {
  if (IsGuarded(display) || previousHandler == nullptr) return 0;
  return previousHandler(display, error);
}

// The default IO error handler ends the process; a guarded connection is
// only marked lost (by the exit handler below).
int KeepGuardedConnections(Display* display) {
  if (IsGuarded(display) || previousIoHandler == nullptr) return 0;
  return previousIoHandler(display);
}

// Called after the IO error handler; returning marks the connection dead
// instead of ending the process.
void KeepRunningAfterLoss(Display*, void* lost) {
  static_cast<std::atomic<bool>*>(lost)->store(true);
}

void Guard(Display* display, bool add) {
  std::lock_guard lock(guardedMutex);
  auto slot = std::find(guarded.begin(), guarded.end(), add ? nullptr : display);
  if (slot != guarded.end()) *slot = add ? display : nullptr;
}

}  // namespace

X11Display::X11Display(const char* name) {
  display_ = XOpenDisplay(name);
  if (display_ == nullptr) return;
  std::call_once(handlerInstalled, [] {
    previousHandler = XSetErrorHandler(IgnoreGuardedErrors);
    previousIoHandler = XSetIOErrorHandler(KeepGuardedConnections);
    // Writing to a server that went away raises SIGPIPE, whose default
    // ends the process; a program that chose its own handling keeps it.
    struct sigaction current {};
    if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
      signal(SIGPIPE, SIG_IGN);
    }
  });
  Guard(display_, true);
  XSetIOErrorExitHandler(display_, KeepRunningAfterLoss, &lost_);
}

X11Display::~X11Display() {
  if (display_ == nullptr) return;
  // Closing a connection whose server went away can block inside Xlib for
  // ever; such a connection is left as it is.
  if (IsAlive()) XCloseDisplay(display_);
  Guard(display_, false);
}

bool X11Display::IsAlive() const {
  if (display_ == nullptr || lost_.load()) return false;
  // The server's end closed: the socket reads as ended.
  pollfd wait{ConnectionNumber(display_), POLLIN, 0};
  if (poll(&wait, 1, 0) <= 0) return true;
  if ((wait.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return false;
  char byte = 0;
  return recv(wait.fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) != 0;
}

Window X11Display::Root() const { return display_ != nullptr ? DefaultRootWindow(display_) : 0; }

}  // namespace vorelio::x11
