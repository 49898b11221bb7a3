#include "platform/InterruptingSoundPlayer.h"

#include <utility>

namespace vorelio {

InterruptingSoundPlayer::InterruptingSoundPlayer(AudioOutput& output, OutcomeSink onOutcome)
    : output_(output), onOutcome_(std::move(onOutcome)), thread_([this] { Run(); }) {}

InterruptingSoundPlayer::~InterruptingSoundPlayer() {
  {
    std::lock_guard lock(mutex_);
    quitting_ = true;
    current_.request_stop();
  }
  wake_.notify_one();
  thread_.join();
}

void InterruptingSoundPlayer::Play(SoundMaker make) {
  {
    std::lock_guard lock(mutex_);
    current_.request_stop();
    current_ = std::stop_source();
    pending_ = std::move(make);
  }
  wake_.notify_one();
}

void InterruptingSoundPlayer::Stop() {
  std::lock_guard lock(mutex_);
  current_.request_stop();
  pending_ = nullptr;
}

void InterruptingSoundPlayer::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || quitting_; });
    if (quitting_) return;
    const SoundMaker make = std::exchange(pending_, nullptr);
    const std::stop_token stop = current_.get_token();
    lock.unlock();
    if (const std::optional<PcmSound> sound = make(stop)) {
      const PlayOutcome outcome = output_.Play(*sound, stop);
      if (onOutcome_) onOutcome_(outcome);
    }
    lock.lock();
  }
}

}  // namespace vorelio
