#include "logging/WritingClock.h"

#include <gtest/gtest.h>

#include "tests/logging/LoggingFixtures.h"

namespace vorelio {
namespace {

using testing::SundayAt;

class WritingClockTest : public ::testing::Test {
 protected:
  WritingClockTest() {
    writing.SetInactivityLimit(20);
    writing.Start();
    writing.Pause();  // as a logging period starts, at :17
  }

  // The user acts at `second`.
  void ActAt(int second) {
    clock.Set(SundayAt(second));
    writing.UserActed();
  }
  // `ticks` ticks of 100 ms, the wall clock at `second` for the last one.
  void IdleTicks(int ticks, int second) {
    for (int tick = 1; tick < ticks; ++tick) writing.Tick();
    clock.Set(SundayAt(second));
    writing.Tick();
  }

  ManualClock clock{SundayAt(17)};
  WritingClock writing{clock};
};

TEST_F(WritingClockTest, AnIdleStretchOverTheLimitCountsAsNoWritingFromItsStart) {
  ActAt(20);
  ActAt(30);
  // 20 seconds without input: the countdown reaches 20000 ms after 200 ticks
  // and stops the clock on the next, back-dated to :30.
  IdleTicks(200, 50);
  EXPECT_TRUE(writing.Running());
  EXPECT_FALSE(writing.UserIsIdle());
  IdleTicks(1, 50);
  EXPECT_FALSE(writing.Running());
  EXPECT_TRUE(writing.UserIsIdle());
  clock.Set(SundayAt(90));
  EXPECT_EQ(writing.EffectiveSeconds(), 10);  // :20 to :30
  EXPECT_EQ(writing.TotalSeconds(), 73);

  // Writing again at :100 leaves :30 to :100 out.
  ActAt(100);
  EXPECT_FALSE(writing.UserIsIdle());
  clock.Set(SundayAt(105));
  EXPECT_EQ(writing.EffectiveSeconds(), 15);
  // Idle again from :105; ticks after the countdown stopped change nothing.
  IdleTicks(201, 125);
  IdleTicks(500, 300);
  EXPECT_EQ(writing.EffectiveSeconds(), 10 + 5);
  EXPECT_EQ(writing.TotalSeconds(), 283);
}

TEST_F(WritingClockTest, AnIdleStretchJustUnderTheLimitIsWritingTime) {
  ActAt(20);
  IdleTicks(199, 39);
  ActAt(39);
  IdleTicks(150, 54);
  EXPECT_TRUE(writing.Running());
  EXPECT_EQ(writing.EffectiveSeconds(), 34);  // :20 to :54, pauses and all
}

TEST_F(WritingClockTest, APauseIsNeverBackDatedBeforeTheClockResumed) {
  ActAt(20);
  clock.Set(SundayAt(25));
  writing.PauseBackdated(60);
  clock.Set(SundayAt(40));
  EXPECT_EQ(writing.EffectiveSeconds(), 0);
  writing.Resume();
  clock.Set(SundayAt(45));
  EXPECT_EQ(writing.EffectiveSeconds(), 5);
}

TEST_F(WritingClockTest, ALimitOfNothingPausesOnTheFirstTick) {
  writing.SetInactivityLimit(-5);
  ActAt(20);
  IdleTicks(1, 20);
  EXPECT_TRUE(writing.UserIsIdle());
  clock.Set(SundayAt(30));
  EXPECT_EQ(writing.EffectiveSeconds(), 0);
}

}  // namespace
}  // namespace vorelio
