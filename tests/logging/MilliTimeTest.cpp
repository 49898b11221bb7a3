#include "logging/MilliTime.h"

#include <gtest/gtest.h>

#include "tests/logging/LoggingFixtures.h"

namespace vorelio {
namespace {

TEST(MilliTimeTest, FormsOfAManualClockTime) {
  ManualClock clock(testing::SundayAt(17, 42));
  const CMilliTime time(clock);
  EXPECT_EQ(time.ZoneMinutesWest() - 60 * time.Daylight(), 0);
  EXPECT_EQ(time.FileNameForm(), "Sun Dec 06 00:27:17 2026");
  EXPECT_EQ(time.FileNameFormWithoutColons(), "Sun Dec 06 00-27-17 2026");
  EXPECT_EQ(time.DisplayForm(), "domingo 06-12-2026 00:27:17.042");
}

TEST(MilliTimeTest, OffsetComesFromTheLocalFields) {
  // Wednesday 1 July 2026, 13:05:09 UTC seen one hour east: 14:05:09.
  LocalTime summer;
  summer.secondsSinceEpoch = 1782911109;
  summer.millisecond = 7;
  summer.year = 2026;
  summer.month = 7;
  summer.day = 1;
  summer.weekday = 3;
  summer.hour = 14;
  summer.minute = 5;
  summer.second = 9;
  const CMilliTime time(summer);
  EXPECT_EQ(time.ZoneMinutesWest() - 60 * time.Daylight(), -60);
  EXPECT_EQ(time.DisplayForm(), "quarta-feira 01-07-2026 14:05:09.007");
  EXPECT_EQ(time.FileNameForm(), "Wed Jul 01 14:05:09 2026");
}

TEST(MilliTimeTest, DaylightFlagMovesTheLocalTimeOneHourAhead) {
  const CMilliTime standard(1782911109, 0, 0, 0);
  const CMilliTime daylight(1782911109, 0, 0, 1);
  EXPECT_EQ(standard.FileNameForm(), "Wed Jul 01 13:05:09 2026");
  EXPECT_EQ(daylight.FileNameForm(), "Wed Jul 01 14:05:09 2026");
  // West of UTC the local date can fall on the day before.
  const CMilliTime brazil(1796516837, 0, 180, 0);
  EXPECT_EQ(brazil.DisplayForm(), "s\xE1" "bado 05-12-2026 21:27:17.000");
}

TEST(MilliTimeTest, SerialisesItsFourFieldsLittleEndian) {
  const CMilliTime time(0x0102030405060708, 0x090A, -60, 1);
  const auto bytes = time.Serialize();
  const std::array<uint8_t, 14> expected = {0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02,
                                            0x01, 0x0A, 0x09, 0xC4, 0xFF, 0x01, 0x00};
  EXPECT_EQ(bytes, expected);

  CMilliTime back;
  ASSERT_TRUE(back.Deserialize(bytes));
  EXPECT_EQ(back, time);
  EXPECT_FALSE(back.Deserialize(std::span<const uint8_t>(bytes).first(13)));
  EXPECT_EQ(back, time);
}

TEST(MilliTimeTest, TimesFromAnyBytesKeepFourDigitYears) {
  for (const int64_t seconds : {INT64_MIN, int64_t{-1}, INT64_MAX}) {
    const CMilliTime time(seconds, 65535, INT16_MIN, -1);
    EXPECT_EQ(time.FileNameForm().size(), 24u) << seconds;
    EXPECT_FALSE(time.DisplayForm().empty());
  }
  EXPECT_EQ(CMilliTime(-1, 999, 0, 0).FileNameForm(), "Wed Dec 31 23:59:59 1969");
}

}  // namespace
}  // namespace vorelio
