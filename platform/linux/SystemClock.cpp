#include <ctime>

#include "platform/Clock.h"

namespace vorelio {

LocalTime SystemClock::Now() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  ::localtime_r(&now.tv_sec, &local);
  LocalTime time;
  time.secondsSinceEpoch = now.tv_sec;
  time.millisecond = static_cast<int>(now.tv_nsec / 1000000);
  time.year = local.tm_year + 1900;
  time.month = local.tm_mon + 1;
  time.day = local.tm_mday;
  time.weekday = local.tm_wday;
  time.hour = local.tm_hour;
  time.minute = local.tm_min;
  time.second = local.tm_sec;
  return time;
}

}  // namespace vorelio
