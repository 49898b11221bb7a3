// A whole keyboard drawn at its layout: the keys a region meets, nothing in
// the gaps, and the press circle on the pressed key.
#include "gui/KeyboardPainter.h"

#include "keyboards/OnScreenKeyboardLayout.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/keyboards/KeyboardTestSupport.h"

namespace vorelio::testing {
namespace {

constexpr char kKeyboard[] =
    "LINHA linha\n"
    "GRUPO grupo\n"
    "TECLA TECLA_NORMAL ;;; vazia x 1 -1 -1\n"
    "TECLA TECLA_NORMAL ;;; vazia y 1 -1 -1\n"
    "LINHA outra\n"
    "GRUPO grupo\n"
    "TECLA TECLA_NORMAL ;;; vazia z 1 -1 -1\n";

class KeyboardPainterTest : public ::testing::Test {
 protected:
  KeyboardPainterTest() {
    KeyboardEnvironment environment;
    environment.presentation.keyBackgroundColour = kBlue;
    environment.presentation.keyTextColour = kWhite;
    environment.presentation.keyHeight = 30;
    environment.presentation.keyGap = 5;
    environment.presentation.lineGap = 5;
    keyboard_ = std::make_unique<COnScreenKeyboard>(environment);
    keyboard_->LoadContents(kKeyboard);
    layout_ = LayOutOnScreenKeyboard(*keyboard_, FixedFont());
  }

  QImage Paint(const QRegion& region,
               const std::optional<COnScreenKeyIdentifier>& pressed = std::nullopt) {
    QImage image(layout_.width, layout_.height, QImage::Format_RGB32);
    image.fill(kOutside);
    QPainter painter(&image);
    PaintKeyboard(painter, *keyboard_, region, pressed);
    return image;
  }
  QRect RectOf(const COnScreenKeyIdentifier& key) { return ToQRect(keyboard_->Key(key)->Rect()); }

  std::unique_ptr<COnScreenKeyboard> keyboard_;
  KeyboardLayout layout_;
};

TEST_F(KeyboardPainterTest, PaintsTheKeysTheRegionMeetsAndLeavesTheGaps) {
  const QRect second = RectOf({0, 0, 1});
  EXPECT_EQ(BoundsOfOtherThan(Paint(QRegion(second)), kOutside.rgb()), second);
  // A region that only touches a key paints the key whole.
  const QRect corner(second.right(), second.bottom(), 1, 1);
  EXPECT_EQ(BoundsOfOtherThan(Paint(QRegion(corner)), kOutside.rgb()), second);

  const QImage all = Paint(QRegion(0, 0, layout_.width, layout_.height));
  int keyPixels = 0;
  for (const COnScreenKeyIdentifier key :
       {COnScreenKeyIdentifier{0, 0, 0}, {0, 0, 1}, {1, 0, 0}}) {
    EXPECT_EQ(CountOtherThan(all, RectOf(key), Rgb(kBlue)), 0) << key.Text();
    keyPixels += RectOf(key).width() * RectOf(key).height();
  }
  EXPECT_EQ(CountOf(all, all.rect(), kOutside.rgb()), all.width() * all.height() - keyPixels);
}

TEST_F(KeyboardPainterTest, ThePressedKeyCarriesTheCircle) {
  const QRegion all(0, 0, layout_.width, layout_.height);
  const QRect pressed = RectOf({1, 0, 0});
  const QRect circle = BoundsOfDifference(Paint(all), Paint(all, COnScreenKeyIdentifier{1, 0, 0}));
  EXPECT_FALSE(circle.isEmpty());
  EXPECT_TRUE(pressed.contains(circle));
}

}  // namespace
}  // namespace vorelio::testing
