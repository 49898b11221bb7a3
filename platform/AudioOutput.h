// Sound out of the speakers: 16-bit PCM at any rate and channel count. The
// key sound plays through it now, and synthesized speech later. The Linux
// one is AlsaAudioOutput; tests use RecordingAudioOutput.
#pragma once

#include <cstdint>
#include <stop_token>
#include <vector>

namespace vorelio {

struct PcmSound {
  int sampleRate = 0;            // frames per second
  int channels = 0;              // samples per frame
  std::vector<int16_t> samples;  // interleaved, channel by channel within a frame

  int Frames() const { return channels > 0 ? static_cast<int>(samples.size()) / channels : 0; }
};

enum class PlayOutcome {
  kFinished,  // heard to the end
  kStopped,   // cut short because a stop was requested
  kNoDevice,  // no sound device could be opened: nothing was heard
  kFailed,    // the device refused the sound or failed while playing
};

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;

  // Whether a sound device can be opened now.
  virtual bool HasDevice() = 0;

  // Plays `sound` and returns when it has been heard to the end, or soon
  // after `stop` is requested (from any thread), cutting the sound off then.
  // A stop requested before the call plays nothing. Several threads may play
  // at once; each call uses the device on its own. An empty sound or one
  // with no rate or no channels fails.
  virtual PlayOutcome Play(const PcmSound& sound, std::stop_token stop) = 0;
};

}  // namespace vorelio
