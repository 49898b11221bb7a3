#include "logging/MilliTime.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace vorelio {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Local times are kept within years 1 to 9999 so that every form keeps its
// four-digit year, whatever bytes a time was read from.
constexpr int64_t kEarliestSeconds = -62135596800;  // 0001-01-01 00:00:00
constexpr int64_t kLatestSeconds = 253402300799;    // 9999-12-31 23:59:59

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

int64_t FloorDivide(int64_t value, int64_t divisor) {
  const int64_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

int16_t ClampToInt16(int64_t value) {
  return static_cast<int16_t>(std::clamp<int64_t>(value, INT16_MIN, INT16_MAX));
}

// True when the system's zone rules turn `seconds` into the local fields of
// `time`; then `daylight` tells whether summer time is in effect.
bool SystemZoneAgrees(const LocalTime& time, bool& daylight) {
  ::tzset();
  const time_t seconds = static_cast<time_t>(time.secondsSinceEpoch);
  tm local{};
  if (::localtime_r(&seconds, &local) == nullptr) return false;
  daylight = local.tm_isdst > 0;
  return local.tm_year + 1900 == time.year && local.tm_mon + 1 == time.month &&
         local.tm_mday == time.day && local.tm_hour == time.hour &&
         local.tm_min == time.minute && local.tm_sec == time.second;
}

void PutLittleEndian(uint8_t* out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetLittleEndian(const uint8_t* in, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<uint64_t>(in[i]) << (8 * i);
  return value;
}

}  // namespace

std::string TimeOfDayForm(const LocalTime& time) {
  char text[48];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", time.hour, time.minute, time.second,
                time.millisecond);
  return text;
}

CMilliTime::CMilliTime(ClockService& clock) : CMilliTime(clock.Now()) {}

CMilliTime::CMilliTime(const LocalTime& time)
    : seconds_(time.secondsSinceEpoch),
      millisecond_(static_cast<uint16_t>(std::clamp(time.millisecond, 0, 999))) {
  const int64_t localAsUtc = DaysFromCivil(time.year, time.month, time.day) * kSecondsPerDay +
                             time.hour * 3600 + time.minute * 60 + time.second;
  const int64_t minutesWest = FloorDivide(time.secondsSinceEpoch - localAsUtc, 60);
  bool daylight = false;
  if (SystemZoneAgrees(time, daylight) && daylight) {
    zoneMinutesWest_ = ClampToInt16(minutesWest + 60);
    daylight_ = 1;
  } else {
    zoneMinutesWest_ = ClampToInt16(minutesWest);
  }
}

CMilliTime::CMilliTime(int64_t secondsSinceEpoch, uint16_t millisecond,
                       int16_t zoneMinutesWest, int16_t daylight)
    : seconds_(secondsSinceEpoch),
      millisecond_(millisecond),
      zoneMinutesWest_(zoneMinutesWest),
      daylight_(daylight) {}

LocalTime CMilliTime::Local() const {
  const int64_t offsetSeconds = (int64_t{zoneMinutesWest_} - (daylight_ != 0 ? 60 : 0)) * 60;
  const int64_t utc = std::clamp(seconds_, kEarliestSeconds, kLatestSeconds);
  const int64_t local = std::clamp(utc - offsetSeconds, kEarliestSeconds, kLatestSeconds);
  const int64_t days = FloorDivide(local, kSecondsPerDay);
  const int64_t secondOfDay = local - days * kSecondsPerDay;

  LocalTime time;
  time.secondsSinceEpoch = seconds_;
  time.millisecond = std::min<int>(millisecond_, 999);
  CivilFromDays(days, time.year, time.month, time.day);
  time.weekday = static_cast<int>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
  time.hour = static_cast<int>(secondOfDay / 3600);
  time.minute = static_cast<int>(secondOfDay / 60 % 60);
  time.second = static_cast<int>(secondOfDay % 60);
  return time;
}

std::string CMilliTime::FileNameForm() const { return vorelio::FileNameForm(Local()); }

std::string CMilliTime::FileNameFormWithoutColons() const {
  std::string text = FileNameForm();
  std::replace(text.begin(), text.end(), ':', '-');
  return text;
}

std::string CMilliTime::DisplayForm() const {
  static constexpr const char* kWeekdays[] = {
      "domingo",      "segunda-feira", "ter\xE7" "a-feira", "quarta-feira",
      "quinta-feira", "sexta-feira",   "s\xE1" "bado"};
  const LocalTime time = Local();
  char text[96];
  std::snprintf(text, sizeof text, "%s %02d-%02d-%02d %02d:%02d:%02d.%03d",
                kWeekdays[time.weekday], time.day, time.month, time.year, time.hour,
                time.minute, time.second, time.millisecond);
  return text;
}

std::array<uint8_t, CMilliTime::kSerializedSize> CMilliTime::Serialize() const {
  std::array<uint8_t, kSerializedSize> bytes{};
  PutLittleEndian(&bytes[0], static_cast<uint64_t>(seconds_), 8);
  PutLittleEndian(&bytes[8], millisecond_, 2);
  PutLittleEndian(&bytes[10], static_cast<uint16_t>(zoneMinutesWest_), 2);
  PutLittleEndian(&bytes[12], static_cast<uint16_t>(daylight_), 2);
  return bytes;
}

bool CMilliTime::Deserialize(std::span<const uint8_t> bytes) {
  if (bytes.size() < kSerializedSize) return false;
  seconds_ = static_cast<int64_t>(GetLittleEndian(&bytes[0], 8));
  millisecond_ = static_cast<uint16_t>(GetLittleEndian(&bytes[8], 2));
  zoneMinutesWest_ = static_cast<int16_t>(GetLittleEndian(&bytes[10], 2));
  daylight_ = static_cast<int16_t>(GetLittleEndian(&bytes[12], 2));
  return true;
}

}  // namespace vorelio
