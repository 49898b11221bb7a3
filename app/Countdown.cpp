#include "app/Countdown.h"

#include "platform/Messages.h"

namespace vorelio {

bool Countdown::Tick(int32_t thresholdMs) {
  if (!Running()) return false;
  const int64_t step = kTimerPeriodMs;
  const int64_t threshold = thresholdMs <= 0 ? 0 : (thresholdMs + step - 1) / step * step;
  if (elapsedMs_ >= threshold) return true;
  elapsedMs_ += step;
  return false;
}

}  // namespace vorelio
