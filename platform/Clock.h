// The wall clock, as the program reads it for time stamps and file names.
#pragma once

#include <cstdint>
#include <string>

namespace vorelio {

// One instant in local time, broken down.
struct LocalTime {
  int64_t secondsSinceEpoch = 0;  // UTC
  int millisecond = 0;            // 0-999
  int year = 1970;
  int month = 1;    // 1-12
  int day = 1;      // 1-31
  int weekday = 4;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The C runtime's fixed 24-character local date form, as file names carry
// it: "Sun Dec 06 00:27:17 2026" (English weekday and month abbreviations,
// day of two digits, hh:mm:ss, four-digit year).
std::string FileNameForm(const LocalTime& time);

// The instant `secondsSinceEpoch` (UTC) and `millisecond`, broken down in
// the local time zone.
LocalTime LocalTimeAt(int64_t secondsSinceEpoch, int millisecond);

class ClockService {
 public:
  virtual ~ClockService() = default;
  virtual LocalTime Now() = 0;
};

// The system clock in the local time zone.
class SystemClock final : public ClockService {
 public:
  LocalTime Now() override;
};

// A clock that stands still until a test moves it.
class ManualClock final : public ClockService {
 public:
  explicit ManualClock(LocalTime now = {}) : now_(now) {}
  LocalTime Now() override { return now_; }
  void Set(LocalTime now) { now_ = now; }

 private:
  LocalTime now_;
};

}  // namespace vorelio
