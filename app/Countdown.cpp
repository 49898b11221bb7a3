#include "app/Countdown.h"

#include "platform/Messages.h"

namespace vorelio {

bool Countdown::Tick(int32_t thresholdMs) {
  if (!Running()) return false;
  if (elapsedMs_ >= RoundUpToTick(thresholdMs)) return true;
  elapsedMs_ += kTimerPeriodMs;
  return false;
}

}  // namespace vorelio
