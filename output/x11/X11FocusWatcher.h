// Tells when the window in front may have changed on the X display: the
// stand-in for the system's foreground event hook, which the controller
// needs to choose its output target again (CPredarinView::FocusChanged).
//
// A thread of its own, on a connection of its own, waits for the events
// that come with a change of the window in front: _NET_ACTIVE_WINDOW
// changing on the root window (a window manager runs), or the input focus
// entering a top-level window (no window manager; every top-level window,
// including those made later, is watched). Focus events caused by grabs are
// ignored: the hook library's grabs would otherwise look like changes.
// Each change calls `changed` on the watcher's thread, at most once per
// burst of events; the caller posts it on to its own thread.
//
// Failure: without a display the watcher reports nothing (IsWatching is
// false); when the server goes away its thread ends quietly.
#pragma once

#include <functional>
#include <memory>

namespace vorelio {

class X11FocusWatcher {
 public:
  // `displayName` null: $DISPLAY. `changed` must be safe to call from
  // another thread.
  X11FocusWatcher(const char* displayName, std::function<void()> changed);
  // Stops the thread and waits for it.
  ~X11FocusWatcher();
  X11FocusWatcher(const X11FocusWatcher&) = delete;
  X11FocusWatcher& operator=(const X11FocusWatcher&) = delete;

  bool IsWatching() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorelio
