// The picture of a pictogram for the message editor: its caption band, the
// picture's height and proportions, and what cannot be drawn.
#include "gui/QtPictogramPictureMaker.h"

#include "gui/QtKeyPictureLoader.h"
#include "platform/sim/MemoryFileSystem.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

class QtPictogramPictureMakerTest : public ::testing::Test {
 protected:
  QtPictogramPictureMakerTest() {
    files_.AddFile("/d/CAT_IMG_A/largo.bmp", BitmapBytes(Quarters(200, 100)));
    files_.AddFile("/d/CAT_IMG_A/alto.bmp", BitmapBytes(Quarters(50, 100)));
  }
  uint32_t At(const PictogramPicture& picture, int x, int y) {
    return picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
  }

  MemoryFileSystem files_;
  QtKeyPictureLoader loader_{files_};
  QtPictogramPictureMaker maker_{loader_, "/d", "Arial", 12};
};

TEST_F(QtPictogramPictureMakerTest, TheCaptionBandSitsAboveThePictureScaledToTheRest) {
  // h = 180: a band of 180 / 8 + 8 = 30, the picture 180 - 30 - 20 = 130
  // tall and, at 2:1, 260 wide.
  const auto picture = maker_.Make("CAT_IMG_A\\largo.bmp", "p\xe3o quente", 180);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 260);
  EXPECT_EQ(picture->height, 30 + 130);
  ASSERT_EQ(picture->pixels.size(), 260u * 160u);
  EXPECT_EQ(At(*picture, 1, 1), 0xFFFFFFu);           // the band is white at its corner
  EXPECT_EQ(At(*picture, 5, 35), 0x0000FFu);          // red (COLORREF) at the picture's top left
  EXPECT_EQ(At(*picture, 255, 155), 0xFF0000u);       // blue at its bottom right
  int dark = 0;  // the caption is written in the band
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 260; ++x) dark += At(*picture, x, y) != 0xFFFFFFu;
  EXPECT_GT(dark, 20);

  // Without a caption there is no band: the picture takes 180 - 20.
  const auto bare = maker_.Make("CAT_IMG_A\\alto.bmp", "", 180);
  ASSERT_TRUE(bare.has_value());
  EXPECT_EQ(bare->height, 160);
  EXPECT_EQ(bare->width, 80);
}

TEST_F(QtPictogramPictureMakerTest, ALongCaptionShrinksToFitAndRowsJoin) {
  // The picture is 120 x 60 under a band of 20: a caption far wider than
  // that at 12 points shrinks until it fits with room to spare.
  const auto picture = maker_.Make("CAT_IMG_A\\largo.bmp", "uma sopa de legumes bem quente", 100);
  ASSERT_TRUE(picture.has_value());
  const int band = 100 / 8 + 8;
  ASSERT_EQ(picture->width, 120);
  EXPECT_EQ(picture->height, band + 100 - band - 20);
  int dark = 0;
  for (int y = 0; y < band; ++y) {
    EXPECT_EQ(At(*picture, 0, y), 0xFFFFFFu);
    EXPECT_EQ(At(*picture, picture->width - 1, y), 0xFFFFFFu);
    for (int x = 0; x < picture->width; ++x) dark += At(*picture, x, y) != 0xFFFFFFu;
  }
  EXPECT_GT(dark, 20);

  const auto row = maker_.Make("CAT_IMG_A\\largo.bmp:CAT_IMG_A\\alto.bmp", "", 120);
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(row->width, 200 + 50);  // the joined 250 x 100 at height 100
}

TEST_F(QtPictogramPictureMakerTest, NothingWhenThePictureIsMissingOrTheEditorTooLow) {
  EXPECT_FALSE(maker_.Make("CAT_IMG_A\\nada.bmp", "nada", 180).has_value());
  EXPECT_FALSE(maker_.Make("", "", 180).has_value());
  EXPECT_FALSE(maker_.Make("CAT_IMG_A\\largo.bmp", "legenda", 20).has_value());
  EXPECT_FALSE(maker_.Make("CAT_IMG_A\\largo.bmp", "", -5).has_value());
}

}  // namespace
}  // namespace vorelio::testing
