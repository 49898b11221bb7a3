#include "platform/Messages.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <unordered_map>
#include <vector>

#include <sys/eventfd.h>
#include <unistd.h>

#include "platform/MessageNumbers.h"
#include "platform/MessageQueue.h"

namespace vorelio {
namespace {

// A timer that fell this many periods behind (the loop was blocked for a
// second) fires this many times and then starts again from now, so a stall
// never turns into a long burst of ticks.
constexpr int kMaxTimerCatchUp = 10;
// A handler that posts to itself on every message must not keep one
// DispatchPending call running for ever; the rest waits for the next call.
constexpr int kMaxDeliveriesPerCall = 100000;

struct Timer {
  WindowHandle window = 0;
  int id = 0;
  int64_t dueMs = 0;
};

// A counter the kernel keeps: readable while not zero.
int MakeWakeDescriptor() {
  const int descriptor = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (descriptor < 0) {
    throw std::system_error(errno, std::generic_category(), "eventfd for a message loop");
  }
  return descriptor;
}

// What a loop shares with the posting threads.
struct LoopCore {
  explicit LoopCore(LoopClock& loopClock) : clock(loopClock) {}
  ~LoopCore() { close(wakeDescriptor); }
  LoopCore(const LoopCore&) = delete;
  LoopCore& operator=(const LoopCore&) = delete;

  // Under the registry's lock, as the rest. Wakes a WaitAndDispatch and
  // whoever watches the descriptor. The descriptor stays readable while the queue holds messages (it is
  // drained only once the queue is empty), so only the first of a burst of
  // posts, the hook's mouse moves say, needs the system call.
  void WakeForPost(bool queueWasEmpty) {
    wake.notify_one();
    if (queueWasEmpty) SignalWakeDescriptor();
  }
  void SignalWakeDescriptor() {
    const uint64_t one = 1;
    // Fails only when the counter is about to overflow: it is readable then.
    [[maybe_unused]] const ssize_t written = write(wakeDescriptor, &one, sizeof one);
  }
  void DrainWakeDescriptor() {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = read(wakeDescriptor, &count, sizeof count);
  }

  LoopClock& clock;
  MessageQueue queue;
  std::condition_variable wake;
  std::vector<Timer> timers;
  const int wakeDescriptor = MakeWakeDescriptor();
};

struct WindowEntry {
  LoopCore* loop = nullptr;
  MessageHandler* handler = nullptr;
};

}  // namespace

struct MessageLoop::State : LoopCore {
  using LoopCore::LoopCore;
};

namespace {

// One lock guards the handles of every loop, their queues and timers: posts
// are short and rare enough that one lock never becomes a bottleneck.
struct Registry {
  std::mutex mutex;
  std::unordered_map<WindowHandle, WindowEntry> windows;
  WindowHandle nextHandle = 0x10000;  // never reused, so stale handles stay dead
};

Registry& TheRegistry() {
  // Never destroyed: threads (the hook backends) may still post while the
  // process exits.
  static Registry* const registry = new Registry;
  return *registry;
}

// When the first of the timers is due; INT64_MAX when none runs.
int64_t NextDueMs(const std::vector<Timer>& timers) {
  int64_t nextDueMs = INT64_MAX;
  for (const Timer& timer : timers) nextDueMs = std::min(nextDueMs, timer.dueMs);
  return nextDueMs;
}

struct TimerTick {
  int64_t dueMs;
  WindowHandle window;
  int id;
};

// Queues one WM_TIMER per elapsed period of every due timer, oldest first.
void QueueDueTimers(std::vector<Timer>& timers, MessageQueue& queue, int64_t nowMs) {
  std::vector<TimerTick> ticks;
  for (Timer& timer : timers) {
    for (int fired = 0; timer.dueMs <= nowMs && fired < kMaxTimerCatchUp; ++fired) {
      ticks.push_back({timer.dueMs, timer.window, timer.id});
      timer.dueMs += kTimerPeriodMs;
    }
    if (timer.dueMs <= nowMs) timer.dueMs = nowMs + kTimerPeriodMs;
  }
  std::sort(ticks.begin(), ticks.end(), [](const TimerTick& a, const TimerTick& b) {
    if (a.dueMs != b.dueMs) return a.dueMs < b.dueMs;
    if (a.window != b.window) return a.window < b.window;
    return a.id < b.id;
  });
  for (const TimerTick& tick : ticks) {
    queue.Push({tick.window, WM_TIMER, static_cast<std::uintptr_t>(tick.id), 0});
  }
}

}  // namespace

int64_t SteadyLoopClock::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

MessageLoop::MessageLoop(LoopClock& clock) : state_(std::make_unique<State>(clock)) {}

MessageLoop::~MessageLoop() {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  LoopCore* const loop = state_.get();
  std::erase_if(registry.windows, [loop](const auto& entry) { return entry.second.loop == loop; });
}

WindowHandle MessageLoop::CreateWindow(MessageHandler& handler) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  const WindowHandle window = registry.nextHandle++;
  registry.windows.emplace(window, WindowEntry{state_.get(), &handler});
  return window;
}

void MessageLoop::DestroyWindow(WindowHandle window) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  const auto found = registry.windows.find(window);
  if (found == registry.windows.end() || found->second.loop != state_.get()) return;
  registry.windows.erase(found);
  state_->queue.RemoveIf([window](const QueuedMessage& m) { return m.window == window; });
  std::erase_if(state_->timers, [window](const Timer& t) { return t.window == window; });
}

bool MessageLoop::SetTimer(WindowHandle window, int id) {
  if (id < 0 || id >= kTimerCount) return false;
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  const auto found = registry.windows.find(window);
  if (found == registry.windows.end() || found->second.loop != state_.get()) return false;
  const int64_t dueMs = state_->clock.NowMs() + kTimerPeriodMs;
  for (Timer& timer : state_->timers) {
    if (timer.window == window && timer.id == id) {
      timer.dueMs = dueMs;
      state_->SignalWakeDescriptor();
      return true;
    }
  }
  state_->timers.push_back({window, id, dueMs});
  state_->SignalWakeDescriptor();
  return true;
}

void MessageLoop::KillTimer(WindowHandle window, int id) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  std::erase_if(state_->timers,
                [&](const Timer& t) { return t.window == window && t.id == id; });
  // A tick already queued by this dispatch must not arrive after the kill.
  state_->queue.RemoveIf([&](const QueuedMessage& m) {
    return m.window == window && m.message == WM_TIMER &&
           m.wParam == static_cast<std::uintptr_t>(id);
  });
}

int MessageLoop::DispatchPending() {
  Registry& registry = TheRegistry();
  std::unique_lock lock(registry.mutex);
  QueueDueTimers(state_->timers, state_->queue, state_->clock.NowMs());
  int delivered = 0;
  while (!state_->queue.Empty() && delivered < kMaxDeliveriesPerCall) {
    const QueuedMessage message = state_->queue.Pop();
    const auto found = registry.windows.find(message.window);
    if (found == registry.windows.end()) continue;
    MessageHandler& handler = *found->second.handler;
    lock.unlock();
    handler.HandleMessage(message.message, message.wParam, message.lParam);
    ++delivered;
    lock.lock();
  }
  // Posts made after this find the descriptor clear and set it again.
  if (state_->queue.Empty()) state_->DrainWakeDescriptor();
  return delivered;
}

int MessageLoop::WaitAndDispatch(int timeoutMs) {
  using std::chrono::milliseconds;
  using std::chrono::steady_clock;
  const auto deadline = steady_clock::now() + milliseconds(std::max(timeoutMs, 0));
  {
    Registry& registry = TheRegistry();
    std::unique_lock lock(registry.mutex);
    for (;;) {
      if (!state_->queue.Empty()) break;
      const int64_t nowMs = state_->clock.NowMs();
      const int64_t nextDueMs = NextDueMs(state_->timers);
      if (nextDueMs <= nowMs) break;
      const auto now = steady_clock::now();
      if (now >= deadline) break;
      auto wait = deadline - now;
      if (nextDueMs != INT64_MAX) {
        wait = std::min<steady_clock::duration>(wait, milliseconds(nextDueMs - nowMs));
      }
      state_->wake.wait_for(lock, wait);
    }
  }
  return DispatchPending();
}

int MessageLoop::WakeDescriptor() const { return state_->wakeDescriptor; }

std::optional<int64_t> MessageLoop::MsUntilNextTimer() const {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  if (state_->timers.empty()) return std::nullopt;
  return std::max<int64_t>(NextDueMs(state_->timers) - state_->clock.NowMs(), 0);
}

bool PostMessageTo(WindowHandle window, uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  const auto found = registry.windows.find(window);
  if (found == registry.windows.end()) return false;
  LoopCore& loop = *found->second.loop;
  const bool queueWasEmpty = loop.queue.Empty();
  loop.queue.Push({window, message, wParam, lParam});
  loop.WakeForPost(queueWasEmpty);
  return true;
}

bool IsWindow(WindowHandle window) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  return registry.windows.contains(window);
}

}  // namespace vorelio
