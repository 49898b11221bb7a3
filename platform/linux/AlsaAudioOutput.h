// Sound through ALSA. The "default" device reaches PulseAudio or PipeWire
// where one runs, and the sound card otherwise.
#pragma once

#include <string>

#include "platform/AudioOutput.h"

namespace vorelio {

class AlsaAudioOutput final : public AudioOutput {
 public:
  // `device` is an ALSA device name ("default", "hw:0", "null"...). The
  // first output made silences alsa-lib's own messages on standard error:
  // the outcomes of Play say what went wrong, and callers report it once.
  explicit AlsaAudioOutput(std::string device = "default");

  // Opens the device without waiting and closes it again.
  bool HasDevice() override;
  // Opens the device for this sound alone, with ALSA converting the rate
  // where the device needs it; written a few milliseconds at a time so that
  // a stop cuts the sound within about 20 ms.
  PlayOutcome Play(const PcmSound& sound, std::stop_token stop) override;

 private:
  std::string device_;
};

}  // namespace vorelio
