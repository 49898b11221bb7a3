// What the logging tests share: a clock set to the example time of the log
// file names, and a file's lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"

namespace vorelio::testing {

// Sunday 6 December 2026 at 00:27:`second`.`millisecond`, in a zone at
// UTC; seconds past 59 run on into the next minutes.
inline LocalTime SundayAt(int second, int millisecond = 0) {
  LocalTime time;
  time.secondsSinceEpoch = 1796516837 + (second - 17);
  time.millisecond = millisecond;
  time.year = 2026;
  time.month = 12;
  time.day = 6;
  time.weekday = 0;
  time.minute = 27 + second / 60;
  time.second = second % 60;
  return time;
}

// The lines of a text that ends each line with a line feed; a last line
// without one is kept too.
inline std::vector<std::string> LinesOf(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace vorelio::testing
