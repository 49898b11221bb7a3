#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/MessageNumbers.h"

namespace vorelio {
namespace {

// Whether the descriptor is readable now, or within `timeoutMs`.
bool Readable(int descriptor, int timeoutMs = 0) {
  pollfd watched{descriptor, POLLIN, 0};
  return poll(&watched, 1, timeoutMs) == 1 && (watched.revents & POLLIN) != 0;
}

// Writes each message it receives as "message:wParam:lParam".
class RecordingHandler : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    if (onMessage) onMessage(message, wParam);
    if (!log.empty()) log += ' ';
    log += (message == WM_TIMER ? "T" : std::to_string(message)) + ":" + std::to_string(wParam);
    if (lParam != 0) log += ":" + std::to_string(lParam);
  }
  std::string log;
  std::function<void(uint32_t, std::uintptr_t)> onMessage;
};

TEST(MessagesTest, PostedMessagesArriveInOrderOnDispatch) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler first, second;
  const WindowHandle a = loop.CreateWindow(first);
  const WindowHandle b = loop.CreateWindow(second);
  EXPECT_NE(a, b);
  EXPECT_TRUE(PostMessageTo(a, 1, 10, -5));
  EXPECT_TRUE(PostMessageTo(b, 2, 20, 0));
  EXPECT_TRUE(PostMessageTo(a, 3, 30, 0));
  EXPECT_EQ(first.log, "");  // nothing is delivered before the loop runs
  EXPECT_EQ(loop.DispatchPending(), 3);
  EXPECT_EQ(first.log, "1:10:-5 3:30");
  EXPECT_EQ(second.log, "2:20");
  EXPECT_EQ(loop.DispatchPending(), 0);
}

TEST(MessagesTest, MessagesPostedByAHandlerArriveInTheSameDispatch) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  handler.onMessage = [&](uint32_t message, std::uintptr_t wParam) {
    if (message == 1 && wParam < 3) PostMessageTo(window, 1, wParam + 1, 0);
  };
  PostMessageTo(window, 1, 0, 0);
  EXPECT_EQ(loop.DispatchPending(), 4);
  EXPECT_EQ(handler.log, "1:0 1:1 1:2 1:3");
}

TEST(MessagesTest, DestroyDropsPendingMessagesAndLaterPostsFail) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler kept, destroyed;
  const WindowHandle keptWindow = loop.CreateWindow(kept);
  const WindowHandle window = loop.CreateWindow(destroyed);
  ASSERT_TRUE(loop.SetTimer(window, 0));
  PostMessageTo(window, 1, 0, 0);
  PostMessageTo(keptWindow, 2, 0, 0);
  PostMessageTo(window, 3, 0, 0);
  loop.DestroyWindow(window);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(IsWindow(keptWindow));
  EXPECT_FALSE(PostMessageTo(window, 4, 0, 0));
  EXPECT_FALSE(loop.SetTimer(window, 1));
  clock.Advance(1000);
  EXPECT_EQ(loop.DispatchPending(), 1);
  EXPECT_EQ(destroyed.log, "");
  EXPECT_EQ(kept.log, "2:0");
  // A new window never takes the handle of a destroyed one.
  RecordingHandler later;
  EXPECT_NE(loop.CreateWindow(later), window);
  EXPECT_FALSE(PostMessageTo(0, 1, 0, 0));
}

TEST(MessagesTest, DestroyingFromAHandlerDropsTheRestOfTheDispatch) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  handler.onMessage = [&](uint32_t, std::uintptr_t) { loop.DestroyWindow(window); };
  PostMessageTo(window, 1, 0, 0);
  PostMessageTo(window, 2, 0, 0);
  EXPECT_EQ(loop.DispatchPending(), 1);
  EXPECT_EQ(handler.log, "1:0");
}

TEST(MessagesTest, LoopDestructionDestroysItsWindows) {
  ManualLoopClock clock;
  RecordingHandler handler;
  WindowHandle window = 0;
  {
    MessageLoop loop(clock);
    window = loop.CreateWindow(handler);
    PostMessageTo(window, 1, 0, 0);
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(PostMessageTo(window, 1, 0, 0));
}

TEST(MessagesTest, ATimerFiresOncePerElapsedPeriodOfTheLoopClock) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  ASSERT_TRUE(loop.SetTimer(window, 7));
  clock.Advance(99);
  EXPECT_EQ(loop.DispatchPending(), 0);
  clock.Advance(1);
  EXPECT_EQ(loop.DispatchPending(), 1);
  EXPECT_EQ(loop.DispatchPending(), 0);  // at most once per period
  clock.Advance(250);                    // 350: the ticks of 200 and 300
  EXPECT_EQ(loop.DispatchPending(), 2);
  clock.Advance(49);
  EXPECT_EQ(loop.DispatchPending(), 0);
  clock.Advance(1);  // 400
  EXPECT_EQ(loop.DispatchPending(), 1);
  EXPECT_EQ(handler.log, "T:7 T:7 T:7 T:7");
}

TEST(MessagesTest, ALongStallFiresTenTicksThenStartsAgainFromNow) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  loop.SetTimer(window, 0);
  clock.Advance(60000);
  EXPECT_EQ(loop.DispatchPending(), 10);
  clock.Advance(99);
  EXPECT_EQ(loop.DispatchPending(), 0);
  clock.Advance(1);
  EXPECT_EQ(loop.DispatchPending(), 1);
}

TEST(MessagesTest, TimersComeAfterPostedMessagesOldestTickFirst) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  loop.SetTimer(window, 3);
  clock.Advance(50);
  loop.SetTimer(window, 1);  // due at 150, after timer 3's 100
  clock.Advance(160);        // 210: 3@100, 1@150, 3@200
  PostMessageTo(window, 5, 0, 0);
  EXPECT_EQ(loop.DispatchPending(), 4);
  EXPECT_EQ(handler.log, "5:0 T:3 T:1 T:3");
}

TEST(MessagesTest, SettingARunningTimerRestartsItAndKillingStopsIt) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  loop.SetTimer(window, 0);
  clock.Advance(80);
  loop.SetTimer(window, 0);  // now due at 180
  clock.Advance(80);
  EXPECT_EQ(loop.DispatchPending(), 0);
  clock.Advance(20);
  EXPECT_EQ(loop.DispatchPending(), 1);
  loop.KillTimer(window, 0);
  loop.KillTimer(window, 5);  // never set: nothing happens
  clock.Advance(1000);
  EXPECT_EQ(loop.DispatchPending(), 0);
}

TEST(MessagesTest, KillingATimerInAHandlerDropsItsQueuedTicks) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  handler.onMessage = [&](uint32_t message, std::uintptr_t id) {
    if (message == WM_TIMER) loop.KillTimer(window, static_cast<int>(id));
  };
  loop.SetTimer(window, 2);
  clock.Advance(300);
  EXPECT_EQ(loop.DispatchPending(), 1);
}

TEST(MessagesTest, TimerIdentifiersOutsideZeroToNineteenAreRefused) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  EXPECT_TRUE(loop.SetTimer(window, 0));
  EXPECT_TRUE(loop.SetTimer(window, 19));
  EXPECT_FALSE(loop.SetTimer(window, 20));
  EXPECT_FALSE(loop.SetTimer(window, -1));
  EXPECT_FALSE(loop.SetTimer(0, 1));
  // Another loop's window is not this loop's to time.
  MessageLoop other(clock);
  EXPECT_FALSE(other.SetTimer(window, 1));
}

TEST(MessagesTest, EachThreadsPostsArriveInTheOrderThatThreadPostedThem) {
  constexpr int kThreads = 4;
  constexpr int kPerThread = 5000;
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  std::vector<int> nextExpected(kThreads, 0);
  int outOfOrder = 0;
  int received = 0;
  RecordingHandler handler;
  handler.onMessage = [&](uint32_t message, std::uintptr_t sequence) {
    const int thread = static_cast<int>(message) - 1;
    if (static_cast<int>(sequence) != nextExpected[thread]) ++outOfOrder;
    nextExpected[thread] = static_cast<int>(sequence) + 1;
    ++received;
  };
  const WindowHandle window = loop.CreateWindow(handler);
  std::vector<std::thread> posters;
  for (int t = 0; t < kThreads; ++t) {
    posters.emplace_back([window, t] {
      for (int i = 0; i < kPerThread; ++i) PostMessageTo(window, t + 1, i, 0);
    });
  }
  while (received < kThreads * kPerThread) {
    handler.log.clear();
    loop.WaitAndDispatch(1000);
  }
  for (std::thread& poster : posters) poster.join();
  EXPECT_EQ(outOfOrder, 0);
  EXPECT_EQ(received, kThreads * kPerThread);
}

TEST(MessagesTest, WaitAndDispatchWakesForAPostFromAnotherThread) {
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  std::thread poster([window] { PostMessageTo(window, 9, 1, 0); });
  int delivered = 0;
  while (delivered == 0) delivered = loop.WaitAndDispatch(60000);
  poster.join();
  EXPECT_EQ(handler.log, "9:1");
  EXPECT_EQ(loop.WaitAndDispatch(1), 0);  // nothing more: returns after the timeout
}

TEST(MessagesTest, WaitAndDispatchDeliversADueTimerWithoutWaiting) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  loop.SetTimer(window, 4);
  clock.Advance(100);
  EXPECT_EQ(loop.WaitAndDispatch(60000), 1);
  EXPECT_EQ(handler.log, "T:4");
}

TEST(MessagesTest, APostFromAnotherThreadMakesTheWakeDescriptorReadable) {
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  EXPECT_FALSE(Readable(loop.WakeDescriptor()));
  std::thread poster([window] { PostMessageTo(window, 9, 1, 0); });
  EXPECT_TRUE(Readable(loop.WakeDescriptor(), 60000));
  poster.join();
  EXPECT_TRUE(Readable(loop.WakeDescriptor()));  // until the loop dispatches
  EXPECT_EQ(loop.DispatchPending(), 1);
  EXPECT_FALSE(Readable(loop.WakeDescriptor()));
  // A failed post (no such window) wakes nobody.
  EXPECT_FALSE(PostMessageTo(window + 1, 9, 2, 0));
  EXPECT_FALSE(Readable(loop.WakeDescriptor()));
  // Each loop has its own descriptor.
  MessageLoop other(clock);
  EXPECT_NE(other.WakeDescriptor(), loop.WakeDescriptor());
  PostMessageTo(window, 9, 3, 0);
  EXPECT_FALSE(Readable(other.WakeDescriptor()));
}

TEST(MessagesTest, TheWakeDescriptorStaysReadableWhileMessagesAreLeft) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  // A handler that posts to itself for ever: one dispatch cannot empty
  // the queue, and whoever watches the descriptor must come back.
  handler.onMessage = [&](uint32_t, std::uintptr_t) {
    handler.log.clear();
    PostMessageTo(window, 1, 0, 0);
  };
  PostMessageTo(window, 1, 0, 0);
  EXPECT_GT(loop.DispatchPending(), 0);
  EXPECT_TRUE(Readable(loop.WakeDescriptor()));
}

TEST(MessagesTest, SettingATimerWakesAndTellsWhenTheNextTimerIsDue) {
  ManualLoopClock clock;
  MessageLoop loop(clock);
  RecordingHandler handler;
  const WindowHandle window = loop.CreateWindow(handler);
  EXPECT_EQ(loop.MsUntilNextTimer(), std::nullopt);
  ASSERT_TRUE(loop.SetTimer(window, 0));  // due at 100
  EXPECT_TRUE(Readable(loop.WakeDescriptor()));
  EXPECT_EQ(loop.MsUntilNextTimer(), 100);
  EXPECT_EQ(loop.DispatchPending(), 0);
  EXPECT_FALSE(Readable(loop.WakeDescriptor()));
  clock.Advance(30);
  EXPECT_EQ(loop.MsUntilNextTimer(), 70);
  ASSERT_TRUE(loop.SetTimer(window, 1));  // due at 130: the first stays next
  EXPECT_TRUE(Readable(loop.WakeDescriptor()));
  EXPECT_EQ(loop.MsUntilNextTimer(), 70);
  clock.Advance(80);  // 110: timer 0 is overdue
  EXPECT_EQ(loop.MsUntilNextTimer(), 0);
  EXPECT_EQ(loop.DispatchPending(), 1);
  EXPECT_EQ(loop.MsUntilNextTimer(), 20);  // timer 1 at 130
  loop.KillTimer(window, 1);
  EXPECT_EQ(loop.MsUntilNextTimer(), 90);  // timer 0 again at 200
  loop.DestroyWindow(window);
  EXPECT_EQ(loop.MsUntilNextTimer(), std::nullopt);
  // A refused timer wakes nobody.
  EXPECT_FALSE(loop.SetTimer(window, 0));
  EXPECT_FALSE(Readable(loop.WakeDescriptor()));
}

}  // namespace
}  // namespace vorelio
