#include <ctime>

#include "platform/Clock.h"

namespace vorelio {

LocalTime LocalTimeAt(int64_t secondsSinceEpoch, int millisecond) {
  const auto seconds = static_cast<time_t>(secondsSinceEpoch);
  tm local{};
  ::localtime_r(&seconds, &local);
  LocalTime time;
  time.secondsSinceEpoch = secondsSinceEpoch;
  time.millisecond = millisecond;
  time.year = local.tm_year + 1900;
  time.month = local.tm_mon + 1;
  time.day = local.tm_mday;
  time.weekday = local.tm_wday;
  time.hour = local.tm_hour;
  time.minute = local.tm_min;
  time.second = local.tm_sec;
  return time;
}

LocalTime SystemClock::Now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return LocalTimeAt(now.tv_sec, static_cast<int>(now.tv_nsec / 1000000));
}

}  // namespace vorelio
