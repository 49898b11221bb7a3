// ALSA output on devices every machine has: the "null" device of
// alsa-lib's configuration, which plays into nothing, and a card that does
// not exist.
#include <gtest/gtest.h>

#include "platform/linux/AlsaAudioOutput.h"

namespace vorelio {
namespace {

PcmSound Beep(int milliseconds) {
  PcmSound sound;
  sound.sampleRate = 16000;
  sound.channels = 1;
  sound.samples.assign(static_cast<std::size_t>(16 * milliseconds), 1000);
  return sound;
}

TEST(AlsaAudioOutputTest, AMissingCardIsNoDevice) {
  AlsaAudioOutput output("hw:31,0");
  EXPECT_FALSE(output.HasDevice());
  EXPECT_EQ(output.Play(Beep(20), {}), PlayOutcome::kNoDevice);
}

TEST(AlsaAudioOutputTest, PlaysToTheEndOrStopsOnRequest) {
  AlsaAudioOutput output("null");
  if (!output.HasDevice()) GTEST_SKIP() << "alsa-lib has no \"null\" device here";
  EXPECT_EQ(output.Play(Beep(50), {}), PlayOutcome::kFinished);
  PcmSound stereo = Beep(30);
  stereo.channels = 2;
  stereo.sampleRate = 44100;
  EXPECT_EQ(output.Play(stereo, {}), PlayOutcome::kFinished);

  std::stop_source stop;
  stop.request_stop();
  EXPECT_EQ(output.Play(Beep(2000), stop.get_token()), PlayOutcome::kStopped);

  EXPECT_EQ(output.Play(PcmSound{}, {}), PlayOutcome::kFailed);
  PcmSound noRate = Beep(10);
  noRate.sampleRate = 0;
  EXPECT_EQ(output.Play(noRate, {}), PlayOutcome::kFailed);
}

}  // namespace
}  // namespace vorelio
