// The key font's measures from Qt.
#include "gui/QtKeyFontMetrics.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

TEST(QtKeyFontMetricsTest, MeasuresGrowWithSizeAndText) {
  const QtKeyFontMetrics small("Arial", 10);
  const QtKeyFontMetrics large("Arial", 20);
  EXPECT_GT(small.AverageCharWidth(), 0);
  EXPECT_GT(large.LineHeight(), small.LineHeight() * 3 / 2);
  EXPECT_GT(large.AverageCharWidth(), small.AverageCharWidth());
  // A line is taller than the point size in pixels at 96 dpi (10 pt = 13 px).
  EXPECT_GE(small.LineHeight(), 13);

  EXPECT_EQ(small.TextWidth(""), 0);
  EXPECT_NEAR(small.TextWidth("mmmm"), 4 * small.TextWidth("m"), 2);
  EXPECT_GT(small.TextWidth("WWW"), small.TextWidth("iii"));
  EXPECT_GT(large.TextWidth("casa"), small.TextWidth("casa"));
}

TEST(QtKeyFontMetricsTest, LabelsAreWindows1252) {
  const QtKeyFontMetrics metrics("Arial", 14);
  // "ção" is three characters, not the five bytes it would be in UTF-8.
  EXPECT_NEAR(metrics.TextWidth("\xe7\xe3o"),
              metrics.TextWidth("\xe7") + metrics.TextWidth("\xe3o"), 1);
  EXPECT_NEAR(metrics.TextWidth("\xe3"), metrics.TextWidth("a"), 1);
  // 0x80 is the euro sign in Windows-1252, a control character in Latin-1.
  EXPECT_GT(metrics.TextWidth("\x80"), metrics.TextWidth("."));
}

TEST(QtKeyFontMetricsTest, OddFacesAndSizesStillMeasure) {
  const QtKeyFontMetrics unknown("No Such Face Anywhere", 12);
  EXPECT_GT(unknown.TextWidth("casa"), 0);
  const QtKeyFontMetrics zero("Arial", 0);
  EXPECT_GT(zero.LineHeight(), 0);
  EXPECT_LT(zero.LineHeight(), QtKeyFontMetrics("Arial", 8).LineHeight());
}

}  // namespace
}  // namespace vorelio::testing
