#include "platform/sim/RecordingAudioOutput.h"

#include <chrono>

namespace vorelio {

PlayOutcome RecordingAudioOutput::Play(const PcmSound& sound, std::stop_token stop) {
  std::unique_lock lock(mutex_);
  const std::size_t index = plays_.size();
  plays_.push_back(std::to_string(sound.sampleRate) + " Hz, " + std::to_string(sound.channels) +
                   " ch, " + std::to_string(sound.Frames()) + " frames");
  changed_.notify_all();
  PlayOutcome outcome = PlayOutcome::kFinished;
  if (!hasDevice_) {
    outcome = PlayOutcome::kNoDevice;
  } else if (stop.stop_requested()) {
    outcome = PlayOutcome::kStopped;
  } else if (!changed_.wait(lock, stop, [this] { return !held_; })) {
    outcome = PlayOutcome::kStopped;
  }
  static constexpr const char* kEndings[] = {": finished", ": stopped", ": no device", ": failed"};
  plays_[index] += kEndings[static_cast<int>(outcome)];
  ++ended_;
  changed_.notify_all();
  return outcome;
}

void RecordingAudioOutput::Hold() {
  std::lock_guard lock(mutex_);
  held_ = true;
}

void RecordingAudioOutput::Release() {
  std::lock_guard lock(mutex_);
  held_ = false;
  changed_.notify_all();
}

bool RecordingAudioOutput::WaitForStarted(std::size_t count) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return plays_.size() >= count; });
}

bool RecordingAudioOutput::WaitForEnded(std::size_t count) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return ended_ >= count; });
}

std::vector<std::string> RecordingAudioOutput::Plays() const {
  std::lock_guard lock(mutex_);
  return plays_;
}

}  // namespace vorelio
