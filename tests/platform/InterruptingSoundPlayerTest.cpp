// The player behind the key sound and speech: a new request cuts off the
// sound being made as well as the one playing, and a request not begun is
// dropped.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/InterruptingSoundPlayer.h"
#include "platform/sim/RecordingAudioOutput.h"

namespace vorelio::testing {
namespace {

PcmSound Beep(int frames) {
  return {.sampleRate = 8000, .channels = 1, .samples = std::vector<int16_t>(frames, 1000)};
}

// A sound maker that works until it is told to stop, as a long synthesis.
class SlowMaker {
 public:
  InterruptingSoundPlayer::SoundMaker Maker() {
    return [this](std::stop_token stop) -> std::optional<PcmSound> {
      std::unique_lock lock(mutex_);
      started_ = true;
      changed_.notify_all();
      changed_.wait(lock, stop, [] { return false; });  // until stopped
      gaveUp_ = true;
      changed_.notify_all();
      return Beep(100);  // what it made so far
    };
  }
  bool WaitForStart() { return WaitFor(started_); }
  bool WaitForGivingUp() { return WaitFor(gaveUp_); }

 private:
  bool WaitFor(const bool& flag) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return flag; });
  }
  std::mutex mutex_;
  std::condition_variable_any changed_;
  bool started_ = false;
  bool gaveUp_ = false;
};

TEST(InterruptingSoundPlayerTest, ANewRequestStopsTheSoundBeingMade) {
  RecordingAudioOutput output;
  std::vector<PlayOutcome> outcomes;  // the player's thread alone writes it until joined
  SlowMaker slow;
  {
    InterruptingSoundPlayer player(output,
                                   [&](PlayOutcome outcome) { outcomes.push_back(outcome); });
    player.Play(slow.Maker());
    ASSERT_TRUE(slow.WaitForStart());
    player.Play([](std::stop_token) { return std::optional<PcmSound>(Beep(200)); });
    ASSERT_TRUE(slow.WaitForGivingUp());
    ASSERT_TRUE(output.WaitForEnded(2));
  }
  // The first sound, made when its stop was already asked for, is not heard.
  EXPECT_EQ(output.Plays(), (std::vector<std::string>{"8000 Hz, 1 ch, 100 frames: stopped",
                                                      "8000 Hz, 1 ch, 200 frames: finished"}));
  EXPECT_EQ(outcomes, (std::vector<PlayOutcome>{PlayOutcome::kStopped, PlayOutcome::kFinished}));
}

TEST(InterruptingSoundPlayerTest, StopDropsARequestNotYetBegun) {
  RecordingAudioOutput output;
  SlowMaker slow;
  InterruptingSoundPlayer player(output, nullptr);
  player.Play(slow.Maker());
  ASSERT_TRUE(slow.WaitForStart());  // the thread is busy with the first request
  int made = 0;
  player.Play([&](std::stop_token) {
    ++made;
    return std::optional<PcmSound>(Beep(10));
  });
  player.Stop();  // stops the first and drops the second
  ASSERT_TRUE(slow.WaitForGivingUp());
  ASSERT_TRUE(output.WaitForEnded(1));
  player.Play([](std::stop_token) { return std::optional<PcmSound>(Beep(20)); });
  ASSERT_TRUE(output.WaitForEnded(2));
  EXPECT_EQ(made, 0);
  EXPECT_EQ(output.Plays().back(), "8000 Hz, 1 ch, 20 frames: finished");
}

}  // namespace
}  // namespace vorelio::testing
