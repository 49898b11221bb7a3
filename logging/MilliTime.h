// CMilliTime: one instant with milliseconds, as time stamps and file names
// carry it.
//
// It holds the runtime's millisecond time record: seconds since 1970 (UTC),
// milliseconds, the zone's standard offset in minutes west of UTC and a
// daylight-saving flag, so the local time is
//   UTC - (zoneMinutesWest - 60 * daylight) minutes.
// Every form below is computed from these four fields alone, so a time read
// back from its serialised bytes formats exactly as it did when it was made.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "platform/Clock.h"

namespace vorelio {

// "00:27:17.042": the hours, minutes, seconds and milliseconds of a local
// time, as every event log line begins.
std::string TimeOfDayForm(const LocalTime& time);

class CMilliTime {
 public:
  static constexpr std::size_t kSerializedSize = 14;  // 8 + 2 + 2 + 2 bytes

  // 1 January 1970, 00:00:00.000 UTC, no zone offset.
  CMilliTime() = default;
  // The clock's current time. The offset is the difference between the
  // clock's local fields and UTC; the daylight flag comes from the system's
  // zone rules when they give the same local time for that instant (the
  // system clock), and is 0 otherwise (a test's manual clock), in which case
  // the whole offset is taken as the standard one.
  explicit CMilliTime(ClockService& clock);
  explicit CMilliTime(const LocalTime& time);
  CMilliTime(int64_t secondsSinceEpoch, uint16_t millisecond, int16_t zoneMinutesWest,
             int16_t daylight);

  int64_t SecondsSinceEpoch() const { return seconds_; }
  uint16_t Millisecond() const { return millisecond_; }
  int16_t ZoneMinutesWest() const { return zoneMinutesWest_; }
  int16_t Daylight() const { return daylight_; }

  // The local time broken down (year, month, day, weekday, hh:mm:ss.mmm).
  LocalTime Local() const;

  // "Sun Dec 06 00:27:17 2026": the runtime's 24-character local date form.
  std::string FileNameForm() const;
  // The same with every ":" replaced by "-", as file names hold it:
  // "Sun Dec 06 00-27-17 2026".
  std::string FileNameFormWithoutColons() const;
  // "domingo 06-12-2026 00:27:17.042": the Portuguese weekday name, day,
  // month, four-digit year, hours, minutes, seconds and milliseconds.
  std::string DisplayForm() const;

  // The four fields in order, little-endian: seconds (8 bytes),
  // milliseconds, zone offset, daylight flag (2 bytes each).
  std::array<uint8_t, kSerializedSize> Serialize() const;
  // Reads what Serialize wrote; false (and the time unchanged) when `bytes`
  // is shorter than kSerializedSize.
  bool Deserialize(std::span<const uint8_t> bytes);

  friend bool operator==(const CMilliTime&, const CMilliTime&) = default;

 private:
  int64_t seconds_ = 0;
  uint16_t millisecond_ = 0;
  int16_t zoneMinutesWest_ = 0;
  int16_t daylight_ = 0;
};

}  // namespace vorelio
