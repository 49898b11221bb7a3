// The wall clock of a simulated session: the real time at which the
// session began, moved on by the session's loop clock, so that the times
// of the event log follow the simulated time and the writing time adds up.
#pragma once

#include "platform/Clock.h"
#include "platform/Messages.h"

namespace vorelio {

class ReplayClock final : public ClockService {
 public:
  // `loopClock` must outlive the clock; its time now is the session's start.
  ReplayClock(LoopClock& loopClock, const LocalTime& start)
      : loopClock_(loopClock),
        startMs_(start.secondsSinceEpoch * 1000 + start.millisecond - loopClock.NowMs()) {}

  LocalTime Now() override {
    const int64_t ms = startMs_ + loopClock_.NowMs();
    return LocalTimeAt(ms / 1000, static_cast<int>(ms % 1000));
  }

 private:
  LoopClock& loopClock_;
  const int64_t startMs_;
};

}  // namespace vorelio
