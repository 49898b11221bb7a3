// An audio output for tests: hears nothing, keeps a line for every sound it
// was asked to play, and can hold a sound "playing" until a test lets it
// end, so that stopping it is seen without relying on time.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "platform/AudioOutput.h"

namespace vorelio {

class RecordingAudioOutput final : public AudioOutput {
 public:
  // Without a device every play ends at once with kNoDevice.
  explicit RecordingAudioOutput(bool hasDevice = true) : hasDevice_(hasDevice) {}

  bool HasDevice() override { return hasDevice_; }
  // Records "<rate> Hz, <channels> ch, <frames> frames", then, while held,
  // waits for Release() or a stop; the line gets ": finished", ": stopped"
  // or ": no device" when the play ends.
  PlayOutcome Play(const PcmSound& sound, std::stop_token stop) override;

  // Plays started from now on wait until Release().
  void Hold();
  // Lets held plays finish, and later ones finish at once.
  void Release();

  // Wait until `count` plays have started / ended; false when that has not
  // happened within 10 seconds (a test failure, never a measure of speed).
  bool WaitForStarted(std::size_t count);
  bool WaitForEnded(std::size_t count);

  // One line per play, in the order they started.
  std::vector<std::string> Plays() const;

 private:
  const bool hasDevice_;
  mutable std::mutex mutex_;
  std::condition_variable_any changed_;
  bool held_ = false;
  std::vector<std::string> plays_;
  std::size_t ended_ = 0;
};

}  // namespace vorelio
