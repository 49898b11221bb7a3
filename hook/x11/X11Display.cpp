#include "hook/x11/X11Display.h"

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
std::once_flag handlerInstalled;

bool IsGuarded(Display* display) {
  std::lock_guard lock(guardedMutex);
  return std::find(guarded.begin(), guarded.end(), display) != guarded.end();
}

int IgnoreGuardedErrors(Display* display, XErrorEvent* error) {
  if (IsGuarded(display) || previousHandler == nullptr) return 0;
  return previousHandler(display, error);
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
  std::call_once(handlerInstalled, [] { previousHandler = XSetErrorHandler(IgnoreGuardedErrors); });
  Guard(display_, true);
  XSetIOErrorExitHandler(display_, KeepRunningAfterLoss, &lost_);
}

X11Display::~X11Display() {
  if (display_ == nullptr) return;
  XCloseDisplay(display_);
  Guard(display_, false);
}

bool X11Display::IsAlive() const {
  return display_ != nullptr && !lost_.load();
}

Window X11Display::Root() const { return display_ != nullptr ? DefaultRootWindow(display_) : 0; }

}  // namespace vorelio::x11
