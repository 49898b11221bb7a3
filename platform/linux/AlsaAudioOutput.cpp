#include "platform/linux/AlsaAudioOutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>

namespace vorelio {

namespace {

constexpr unsigned kLatencyMicroseconds = 100'000;
constexpr int kChunkMilliseconds = 20;

// Closes the device, cutting off what it still holds.
struct OpenDevice {
  snd_pcm_t* pcm = nullptr;
  ~OpenDevice() {
    if (pcm == nullptr) return;
    snd_pcm_drop(pcm);
    snd_pcm_close(pcm);
  }
};

// Frames the device has yet to play; 0 once it has played everything (or
// when it cannot tell).
snd_pcm_sframes_t FramesLeft(snd_pcm_t* pcm) {
  snd_pcm_sframes_t delay = 0;
  if (snd_pcm_delay(pcm, &delay) < 0) return 0;
  return std::max<snd_pcm_sframes_t>(delay, 0);
}

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

AlsaAudioOutput::AlsaAudioOutput(std::string device) : device_(std::move(device)) {
  static std::once_flag silenced;
  std::call_once(silenced, [] { snd_lib_error_set_handler(IgnoreAlsaMessage); });
}

bool AlsaAudioOutput::HasDevice() {
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, device_.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
    return false;
  }
  snd_pcm_close(pcm);
  return true;
}

PlayOutcome AlsaAudioOutput::Play(const PcmSound& sound, std::stop_token stop) {
  if (sound.sampleRate <= 0 || sound.channels <= 0 || sound.Frames() == 0) {
    return PlayOutcome::kFailed;
  }
  if (stop.stop_requested()) return PlayOutcome::kStopped;
  OpenDevice device;
  if (snd_pcm_open(&device.pcm, device_.c_str(), SND_PCM_STREAM_PLAYBACK, 0) < 0) {
    device.pcm = nullptr;
    return PlayOutcome::kNoDevice;
  }
  if (snd_pcm_set_params(device.pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                         static_cast<unsigned>(sound.channels),
                         static_cast<unsigned>(sound.sampleRate), 1, kLatencyMicroseconds) < 0) {
    return PlayOutcome::kFailed;
  }
  const snd_pcm_uframes_t chunk =
      std::max<snd_pcm_uframes_t>(1, sound.sampleRate * kChunkMilliseconds / 1000);
  const auto frames = static_cast<snd_pcm_uframes_t>(sound.Frames());
  for (snd_pcm_uframes_t done = 0; done < frames;) {
    if (stop.stop_requested()) return PlayOutcome::kStopped;
    const int16_t* from = sound.samples.data() + done * sound.channels;
    snd_pcm_sframes_t written = snd_pcm_writei(device.pcm, from, std::min(chunk, frames - done));
    if (written < 0) written = snd_pcm_recover(device.pcm, static_cast<int>(written), 1);
    if (written < 0) return PlayOutcome::kFailed;
    done += static_cast<snd_pcm_uframes_t>(written);
  }
  // Everything is written: start a sound shorter than the device's buffer,
  // and wait for the device to play it out (never longer than the buffer
  // and a second: a device that stopped moving does not hold the caller).
  if (snd_pcm_state(device.pcm) == SND_PCM_STATE_PREPARED) snd_pcm_start(device.pcm);
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::microseconds(kLatencyMicroseconds) + std::chrono::seconds(1);
  while (FramesLeft(device.pcm) > 0 && std::chrono::steady_clock::now() < deadline) {
    if (stop.stop_requested()) return PlayOutcome::kStopped;
    std::this_thread::sleep_for(std::chrono::milliseconds(kChunkMilliseconds / 2));
  }
  return PlayOutcome::kFinished;
}

}  // namespace vorelio
