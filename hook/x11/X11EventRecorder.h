// Sees every key, button and pointer motion of an X display, through the
// RECORD extension, on a thread of its own.
//
// RECORD needs two connections: the control one creates the recording
// context, the data one is given over to the stream of recorded events.
// Both belong to the recorder. Its thread waits on the data connection, on
// the listener's extra file descriptors and on a wake-up pipe; it ends when
// Stop is called or when the server goes away (then quietly).
#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/x11/X11Display.h"

namespace vorelio::x11 {

class X11EventRecorder {
 public:
  // Called on the recorder's thread.
  class Listener {
   public:
    virtual ~Listener() = default;
    virtual void OnKey(unsigned keycode, bool down) = 0;
    virtual void OnButton(unsigned button, bool down, int rootX, int rootY) = 0;
    virtual void OnMotion(int rootX, int rootY) = 0;
    // One of the extra file descriptors is readable (or the wait timed out).
    virtual void OnWake() = 0;
  };

  X11EventRecorder();
  ~X11EventRecorder();  // stops
  X11EventRecorder(const X11EventRecorder&) = delete;
  X11EventRecorder& operator=(const X11EventRecorder&) = delete;

  // Opens the connections, creates the context and starts the thread. False
  // (nothing running) when the display cannot be opened or lacks RECORD.
  // The listener must outlive the recording.
  bool Start(const char* displayName, Listener& listener, std::vector<int> extraDescriptors);
  // Ends the thread and frees the context; waits for the thread. Safe to
  // call twice, and after the server went away.
  void Stop();
  // True while the thread runs (false after the server went away).
  bool IsRunning() const { return running_.load(); }

 private:
  struct Recording;
  void Run();

  std::unique_ptr<Recording> recording_;
  std::vector<int> extraDescriptors_;
  Listener* listener_ = nullptr;
  int wake_[2] = {-1, -1};
  std::atomic<bool> stopping_{false};
  std::atomic<bool> running_{false};
  std::thread thread_;
};

}  // namespace vorelio::x11
