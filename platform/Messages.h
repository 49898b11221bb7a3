// Windows, messages and timers: the program's own stand-in for the window
// system's message queue.
//
// A window is anything that handles messages; it is known to the rest of the
// program (and to the hook library) only by its handle. Every window belongs
// to the MessageLoop of the thread that created it, and its messages are
// delivered on that thread, in the order they were posted. Posting is
// thread-safe and never blocks the poster for long, so the hook backends and
// other threads post freely. The registry of handles is process-wide: it
// lives in the shared library libvorelio_messages.so, so that the program and
// libHookPredarin.so see the same windows.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace vorelio {

using WindowHandle = std::uintptr_t;  // 0: no window
inline constexpr int kTimerCount = 20;     // identifiers 0 to 19
inline constexpr int kTimerPeriodMs = 100;

// A time counted in timer periods: `ms` rounded up to the next multiple of
// the period, 0 for 0 or less. What counts ticks reaches only these.
constexpr int64_t RoundUpToTick(int64_t ms) {
  return ms <= 0 ? 0 : (ms + kTimerPeriodMs - 1) / kTimerPeriodMs * kTimerPeriodMs;
}

class MessageHandler {
 public:
  virtual ~MessageHandler() = default;
  // Called on the loop's thread. WM_TIMER arrives with wParam = timer id.
  virtual void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Where a loop's time comes from: the steady clock of the system, or a
// manual clock that a test advances.
class LoopClock {
 public:
  virtual ~LoopClock() = default;
  virtual int64_t NowMs() = 0;
};
class SteadyLoopClock final : public LoopClock {
 public:
  int64_t NowMs() override;
};
class ManualLoopClock final : public LoopClock {
 public:
  int64_t NowMs() override { return now_; }
  void Advance(int64_t ms) { now_ += ms; }

 private:
  int64_t now_ = 0;
};

// The message queue and the timers of one user-interface thread.
class MessageLoop {
 public:
  // Throws std::system_error when the wake descriptor cannot be made (the
  // process is out of file descriptors).
  explicit MessageLoop(LoopClock& clock);
  ~MessageLoop();  // destroys its remaining windows
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  // On the loop's thread. The handler must outlive the window.
  WindowHandle CreateWindow(MessageHandler& handler);
  // Drops the window's queued messages and timers; later posts to it fail.
  void DestroyWindow(WindowHandle window);

  // A timer posts WM_TIMER (wParam = id) to its window every 100 ms of the
  // loop's clock. Ids 0 to 19; setting a running timer restarts it. False
  // for an unknown window or id.
  bool SetTimer(WindowHandle window, int id);
  void KillTimer(WindowHandle window, int id);

  // Delivers every message queued now, and the timers that are due, in
  // order; returns how many were delivered. Messages posted by the handlers
  // meanwhile are delivered in the same call.
  int DispatchPending();
  // Waits up to timeoutMs (real clock) for a message or a due timer, then
  // dispatches; returns how many were delivered.
  int WaitAndDispatch(int timeoutMs);

  // For an event loop that drives this one without polling (the GUI's).
  // WakeDescriptor: a non-blocking descriptor, owned by the loop, that
  // becomes readable whenever a message is posted to the loop (from any
  // thread) or a timer is set. DispatchPending drains it once the queue is
  // empty; it stays readable when a dispatch stopped with messages left.
  int WakeDescriptor() const;
  // Milliseconds of the loop's clock until the next timer is due; 0 when
  // one is due already, nothing when no timer runs.
  std::optional<int64_t> MsUntilNextTimer() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Thread-safe, from any thread: queues the message for the window's loop.
// False when the window does not exist (any more); the message is dropped.
bool PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam);
// True while the window exists.
bool IsWindow(WindowHandle window);

}  // namespace vorelio
