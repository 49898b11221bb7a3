// Thumbnails of pictograms and where a picture goes in a rectangle.
#include "gui/PictogramThumbnail.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

TEST(PictogramThumbnailTest, FittedRectangleKeepsProportionsLessTheMarginsCentred) {
  EXPECT_EQ(FittedPictureRect(QSize(200, 100), QRect(0, 0, 100, 100), 0), QRect(0, 25, 100, 50));
  EXPECT_EQ(FittedPictureRect(QSize(100, 200), QRect(0, 0, 100, 100), 0), QRect(25, 0, 50, 100));
  // The margin comes off each side after scaling (so proportions give a little).
  EXPECT_EQ(FittedPictureRect(QSize(200, 100), QRect(0, 0, 100, 100), 20), QRect(20, 45, 60, 10));
  // Small pictures grow; the area's position is kept.
  EXPECT_EQ(FittedPictureRect(QSize(10, 10), QRect(50, 60, 40, 80), 5), QRect(55, 85, 30, 30));
  // Nothing left, or nothing to draw.
  EXPECT_TRUE(FittedPictureRect(QSize(200, 100), QRect(0, 0, 100, 100), 30).isEmpty());
  EXPECT_TRUE(FittedPictureRect(QSize(0, 100), QRect(0, 0, 100, 100), 0).isEmpty());
  EXPECT_TRUE(FittedPictureRect(QSize(10, 10), QRect(0, 0, 0, 100), 0).isEmpty());
}

TEST(PictogramThumbnailTest, AWidePictureSitsCentredOnWhite) {
  const QImage thumbnail = MakeThumbnail(Quarters(200, 100), QSize(100, 100), 0);
  ASSERT_EQ(thumbnail.size(), QSize(100, 100));
  EXPECT_EQ(BoundsOfOtherThan(thumbnail, qRgb(255, 255, 255)), QRect(0, 25, 100, 50));
  EXPECT_TRUE(Near(thumbnail.pixel(10, 30), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(thumbnail.pixel(90, 30), qRgb(0, 255, 0)));
  EXPECT_TRUE(Near(thumbnail.pixel(90, 70), qRgb(0, 0, 255)));
  EXPECT_TRUE(Near(thumbnail.pixel(10, 70), qRgb(0, 0, 0)));

  // Drawn smoothly: a picture of 4 x 4 pixels grown to 60 x 60 shades from
  // one colour to the next instead of keeping hard edges.
  const QImage preview = MakeThumbnail(Quarters(4, 4), QSize(100, 100), 20);
  EXPECT_EQ(BoundsOfOtherThan(preview, qRgb(255, 255, 255)), QRect(20, 20, 60, 60));
  int blended = 0;
  for (int x = 20; x < 80; ++x) {
    const QRgb pixel = preview.pixel(x, 21);
    blended += !Near(pixel, qRgb(255, 0, 0), 0) && !Near(pixel, qRgb(0, 255, 0), 0);
  }
  EXPECT_GT(blended, 5);
}

}  // namespace
}  // namespace vorelio::testing
