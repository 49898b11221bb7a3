#include "logging/WritingClock.h"

#include <algorithm>

namespace vorelio {
namespace {

constexpr int64_t kTickMs = 100;

}  // namespace

WritingClock::WritingClock(ClockService& clock) : clock_(clock) {
  Start();
  Pause();
}

int64_t WritingClock::Now() { return clock_.Now().secondsSinceEpoch; }

void WritingClock::Start() {
  start_ = pauseStart_ = lastRunFrom_ = Now();
  totalPaused_ = 0;
  running_ = true;
}

void WritingClock::Pause() { PauseBackdated(0); }

void WritingClock::PauseBackdated(int64_t seconds) {
  if (!running_) return;
  pauseStart_ = std::max(Now() - std::max<int64_t>(seconds, 0), lastRunFrom_);
  running_ = false;
}

void WritingClock::Resume() {
  if (running_) return;
  const int64_t now = Now();
  totalPaused_ += std::max<int64_t>(now - pauseStart_, 0);
  lastRunFrom_ = now;
  running_ = true;
}

int64_t WritingClock::TotalSeconds() { return Now() - start_; }

int64_t WritingClock::EffectiveSeconds() {
  return (running_ ? Now() : pauseStart_) - totalPaused_ - start_;
}

void WritingClock::SetInactivityLimit(int32_t seconds) { limitSeconds_ = std::max(seconds, 0); }

void WritingClock::UserActed() {
  Resume();
  countdownMs_ = 0;
}

void WritingClock::Tick() {
  if (countdownMs_ < 0) return;
  if (countdownMs_ >= int64_t{limitSeconds_} * 1000) {
    countdownMs_ = -1;
    PauseBackdated(limitSeconds_);
    return;
  }
  countdownMs_ += kTickMs;
}

}  // namespace vorelio
