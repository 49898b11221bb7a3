#include "platform/Clock.h"

#include <cstdio>

namespace vorelio {

std::string FileNameForm(const LocalTime& time) {
  static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int weekday = time.weekday >= 0 && time.weekday < 7 ? time.weekday : 0;
  const int month = time.month >= 1 && time.month <= 12 ? time.month - 1 : 0;
  char text[64];
  std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %04d", kWeekdays[weekday],
                kMonths[month], time.day, time.hour, time.minute, time.second, time.year);
  return text;
}

}  // namespace vorelio
