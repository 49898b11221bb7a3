// The writing clock of the metrics: how long a logging period has lasted,
// and how much of it the user spent writing, in whole seconds of the wall
// clock. It pauses by itself once the user has been idle for the profile's
// inactivity limit (TEMPO_INACTIVIDADE_COMUNICACAO), back-dated to the start
// of the idle stretch, so that a pause longer than the limit counts as no
// writing at all while a shorter one counts as writing.
//
// The controller tells it of every user input event and of each tick of its
// 100 ms timer; the wall clock comes from the ClockService.
#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace vorelio {

class WritingClock {
 public:
  // Started and paused at once, as at the start of a logging period; the
  // inactivity countdown runs from 0 with a limit of 0 seconds.
  explicit WritingClock(ClockService& clock);

  // A new period: total and effective time from now, the clock running.
  void Start();
  // Stops counting effective time from now (if running).
  void Pause();
  // Stops counting effective time from `seconds` ago (if running), but never
  // from before the clock last started or resumed.
  void PauseBackdated(int64_t seconds);
  // Counts effective time again (if paused); the pause is left out of it.
  void Resume();
  bool Running() const { return running_; }

  // Seconds since Start.
  int64_t TotalSeconds();
  // Seconds since Start that the clock ran.
  int64_t EffectiveSeconds();

  // The idle time after which the clock pauses; a negative limit counts as 0.
  void SetInactivityLimit(int32_t seconds);
  // A user input event: the clock resumes and the inactivity countdown
  // starts again from 0.
  void UserActed();
  // One 100 ms tick: the countdown advances; on reaching the limit it stops
  // and the clock pauses, back-dated by the limit.
  void Tick();
  // True once the countdown has stopped: the user has been idle for the
  // limit (context adaptation waits for this).
  bool UserIsIdle() const { return countdownMs_ < 0; }

 private:
  int64_t Now();

  ClockService& clock_;
  int64_t start_ = 0;
  int64_t pauseStart_ = 0;
  int64_t totalPaused_ = 0;
  int64_t lastRunFrom_ = 0;  // when it last started or resumed
  bool running_ = false;
  int32_t limitSeconds_ = 0;
  int64_t countdownMs_ = 0;  // -1: stopped
};

}  // namespace vorelio
