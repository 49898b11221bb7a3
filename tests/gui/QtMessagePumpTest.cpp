#include "gui/QtMessagePump.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

#include "platform/MessageNumbers.h"
#include "platform/Messages.h"

namespace vorelio {
namespace {

// Bounds a run of Qt's event loop when what it waits for never comes; no
// test depends on how long anything takes.
constexpr int kSafetyMs = 10000;

class CallbackHandler final : public MessageHandler {
 public:
  explicit CallbackHandler(std::function<void(uint32_t, std::uintptr_t)> onMessage)
      : onMessage_(std::move(onMessage)) {}
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t) override {
    onMessage_(message, wParam);
  }

 private:
  std::function<void(uint32_t, std::uintptr_t)> onMessage_;
};

// Runs Qt's event loop until `eventLoop.quit()` or the safety bound.
void RunUntilQuit(QEventLoop& eventLoop) {
  QTimer::singleShot(kSafetyMs, &eventLoop, &QEventLoop::quit);
  eventLoop.exec();
}

TEST(QtMessagePumpTest, APostFromAnotherThreadIsHandledOnTheGuiThread) {
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  QtMessagePump pump(loop);
  QEventLoop eventLoop;
  std::thread::id handledOn;
  std::uintptr_t received = 0;
  CallbackHandler handler([&](uint32_t, std::uintptr_t wParam) {
    handledOn = std::this_thread::get_id();
    received = wParam;
    eventLoop.quit();
  });
  const WindowHandle window = loop.CreateWindow(handler);
  // Posted once Qt's loop is running, so that only the pump can deliver it.
  std::thread poster;
  QTimer::singleShot(0, [&] {
    poster = std::thread([window] { PostMessageTo(window, WM_APP, 42, 0); });
  });
  RunUntilQuit(eventLoop);
  if (poster.joinable()) poster.join();
  EXPECT_EQ(received, 42u);
  EXPECT_EQ(handledOn, std::this_thread::get_id());
}

TEST(QtMessagePumpTest, TimersTickUnderThePumpWhenEverTheyWereSet) {
  SteadyLoopClock clock;
  MessageLoop loop(clock);
  QEventLoop eventLoop;
  WindowHandle earlyWindow = 0;
  WindowHandle lateWindow = 0;
  int earlyTicks = 0;
  int lateTicks = 0;
  // The early timer ticks thrice and stops; then, with no timer running,
  // the late one is set from outside any dispatch.
  CallbackHandler early([&](uint32_t message, std::uintptr_t) {
    if (message != WM_TIMER || ++earlyTicks != 3) return;
    loop.KillTimer(earlyWindow, 0);
    QTimer::singleShot(0, [&] { loop.SetTimer(lateWindow, 5); });
  });
  CallbackHandler late([&](uint32_t message, std::uintptr_t) {
    if (message == WM_TIMER && ++lateTicks == 3) eventLoop.quit();
  });
  earlyWindow = loop.CreateWindow(early);
  lateWindow = loop.CreateWindow(late);
  // Set before the pump, its wake-up already drained by a dispatch.
  ASSERT_TRUE(loop.SetTimer(earlyWindow, 0));
  loop.DispatchPending();
  QtMessagePump pump(loop);
  RunUntilQuit(eventLoop);
  EXPECT_EQ(earlyTicks, 3);
  EXPECT_GE(lateTicks, 3);
}

TEST(QtMessagePumpTest, NothingIsDispatchedAfterThePumpIsDestroyed) {
  SteadyLoopClock clock;
  MessageLoop pumpedLoop(clock);
  MessageLoop abandonedLoop(clock);
  QEventLoop eventLoop;
  int pumpedTicks = 0;
  CallbackHandler pumped([&](uint32_t message, std::uintptr_t) {
    if (message == WM_TIMER && ++pumpedTicks == 2) eventLoop.quit();
  });
  int abandonedMessages = 0;
  CallbackHandler abandoned([&](uint32_t, std::uintptr_t) { ++abandonedMessages; });
  const WindowHandle pumpedWindow = pumpedLoop.CreateWindow(pumped);
  const WindowHandle abandonedWindow = abandonedLoop.CreateWindow(abandoned);
  QtMessagePump pump(pumpedLoop);
  auto abandonedPump = std::make_unique<QtMessagePump>(abandonedLoop);
  abandonedLoop.SetTimer(abandonedWindow, 0);
  PostMessageTo(abandonedWindow, WM_APP, 0, 0);
  abandonedPump.reset();
  // While the other loop's timer ticks twice, the abandoned one's would
  // have ticked and its message arrived, had anything still pumped it.
  pumpedLoop.SetTimer(pumpedWindow, 0);
  RunUntilQuit(eventLoop);
  EXPECT_GE(pumpedTicks, 2);
  EXPECT_EQ(abandonedMessages, 0);
  // The loop kept its queue.
  EXPECT_GE(abandonedLoop.DispatchPending(), 1);
  EXPECT_GE(abandonedMessages, 1);
}

}  // namespace
}  // namespace vorelio
