// Plays one sound at a time on a thread of its own, each new request cutting
// off the one before: the key sound and synthesized speech behave so. The
// caller never waits; the sound is made and played on the player's thread.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "platform/AudioOutput.h"

namespace vorelio {

class InterruptingSoundPlayer {
 public:
  // Makes the sound of one request, on the player's thread; nothing plays
  // when it gives nothing. `stop` is requested as soon as a later request
  // or Stop() comes, so that long work can give up early.
  using SoundMaker = std::function<std::optional<PcmSound>(std::stop_token stop)>;
  // Told, on the player's thread, how each sound that was played ended.
  using OutcomeSink = std::function<void(PlayOutcome)>;

  // `output` must outlive the player.
  InterruptingSoundPlayer(AudioOutput& output, OutcomeSink onOutcome);
  // Cuts off the sound and ends the thread; a request not yet begun is
  // dropped.
  ~InterruptingSoundPlayer();
  InterruptingSoundPlayer(const InterruptingSoundPlayer&) = delete;
  InterruptingSoundPlayer& operator=(const InterruptingSoundPlayer&) = delete;

  // Cuts off the sound being made or played, drops a request still waiting,
  // and plays what `make` gives. Returns at once.
  void Play(SoundMaker make);
  // Cuts off the sound being made or played and drops a waiting request.
  // Returns at once.
  void Stop();

 private:
  void Run();

  AudioOutput& output_;
  const OutcomeSink onOutcome_;

  std::mutex mutex_;
  std::condition_variable wake_;
  SoundMaker pending_;  // the request the thread has still to take
  bool quitting_ = false;
  std::stop_source current_;  // stops the sound of the last request
  std::thread thread_;        // last: starts when everything else exists
};

}  // namespace vorelio
