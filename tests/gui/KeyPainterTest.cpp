// One key drawn offscreen, checked on the pixels that the drawing rules fix.
#include <QFontMetrics>

#include "gui/KeyFont.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

// Every pixel of the key is `colour` and nothing outside it was touched.
void ExpectOnly(const QImage& image, const KeyPaintState& key, QRgb colour) {
  const QRect inside(10, 10, key.width, key.height);
  EXPECT_EQ(CountOtherThan(image, inside, colour), 0);
  EXPECT_EQ(BoundsOfOtherThan(image, kOutside.rgb()), inside);
}

// The key alone, out of an image made by Draw.
QImage KeyArea(const QImage& image, const KeyPaintState& key) {
  return image.copy(10, 10, key.width, key.height);
}

// Where the key drawn differs from `background`, in key coordinates.
QRect DrawnBounds(const KeyPaintState& key, QRgb background) {
  return BoundsOfOtherThan(KeyArea(Draw(key), key), background);
}

// The key drawn with the press feedback over it.
QImage DrawPressed(const KeyPaintState& key) {
  QImage image = Draw(key);
  QPainter painter(&image);
  painter.translate(10, 10);
  PaintPressFeedback(painter, key);
  return image;
}

TEST(KeyPainterTest, BackgroundFollowsTypeStateAndFill) {
  KeyPaintState key = TestKey();
  ExpectOnly(Draw(key), key, Rgb(kBlue));
  for (const bool hovered : {true, false}) {  // hovered or highlighted
    key.hovered = hovered;
    key.highlighted = !hovered;
    ExpectOnly(Draw(key), key, Rgb(kYellow));
  }

  // The suggestion background, for the four suggestion types only.
  for (KeyType type : {KeyType::kWordSuggestion, KeyType::kSentenceSuggestion,
                       KeyType::kPictogramSuggestion, KeyType::kPictogramSentenceSuggestion}) {
    KeyPaintState suggestion = TestKey();
    suggestion.type = type;
    ExpectOnly(Draw(suggestion), suggestion, Rgb(kGreen));
    suggestion.highlighted = true;
    ExpectOnly(Draw(suggestion), suggestion, Rgb(kYellow));
  }
  KeyPaintState empty = TestKey();
  empty.type = KeyType::kEmpty;
  ExpectOnly(Draw(empty), empty, Rgb(kBlue));
}

TEST(KeyPainterTest, GradientRunsAtItsAngleFromTheKeyColourToTheSecond) {
  KeyPaintState key = TestKey();
  key.gradientFill = true;
  key.gradientAngle = 0;  // left to right
  QImage image = Draw(key);
  EXPECT_TRUE(Near(KeyPixel(image, 0, 30), Rgb(kBlue), 6));
  EXPECT_TRUE(Near(KeyPixel(image, 119, 30), Rgb(kRed), 6));
  EXPECT_TRUE(Near(KeyPixel(image, 60, 0), qRgb(128, 0, 128), 6));
  EXPECT_EQ(KeyPixel(image, 60, 0), KeyPixel(image, 60, 59));  // no change downwards

  key.gradientAngle = 90;  // top to bottom
  image = Draw(key);
  EXPECT_TRUE(Near(KeyPixel(image, 60, 0), Rgb(kBlue), 10));
  EXPECT_TRUE(Near(KeyPixel(image, 60, 59), Rgb(kRed), 10));
  EXPECT_EQ(KeyPixel(image, 0, 20), KeyPixel(image, 119, 20));

  key.gradientAngle = 180;  // right to left
  image = Draw(key);
  EXPECT_TRUE(Near(KeyPixel(image, 119, 30), Rgb(kBlue), 6));

  // Hovered or highlighted keys are solid whatever the fill.
  key.hovered = true;
  ExpectOnly(Draw(key), key, Rgb(kYellow));
}

TEST(KeyPainterTest, InactiveKeysShowTheirBackgroundAlone) {
  KeyPaintState key = TestKey();
  key.active = false;
  key.label = "Ol\xe1";
  key.opensKeyboard = true;
  key.marker = true;
  key.hovered = true;  // an inert key does not light up either
  ExpectOnly(Draw(key), key, Rgb(kBlue));

  key.type = KeyType::kPictogram;
  key.picture = PictureOf(Quarters(40, 40));
  key.caption = "p\xe3o";
  ExpectOnly(Draw(key), key, Rgb(kBlue));

  key.type = KeyType::kWordSuggestion;
  key.suggestion = "casa";
  key.editMode = true;
  ExpectOnly(Draw(key), key, Rgb(kGreen));
}

TEST(KeyPainterTest, ShortLabelsAreCentredOnOneLineAndLongOnesWrapFromTheCorner) {
  KeyPaintState key = TestKey();
  key.label = "Sim";
  QImage image = Draw(key);
  QRect text = BoundsOfOtherThan(KeyArea(image, key), Rgb(kBlue));
  ASSERT_FALSE(text.isEmpty());
  EXPECT_LE(std::abs(text.left() - (key.width - 1 - text.right())), 2) << "centred across";
  EXPECT_LE(std::abs(text.top() - (key.height - 1 - text.bottom())), 4) << "centred down";
  EXPECT_GT(CountOf(image, text.translated(10, 10), Rgb(kWhite)), 0) << "in the text colour";

  key.highlighted = true;  // the same text in the highlight text colour
  image = Draw(key);
  EXPECT_EQ(BoundsOfOtherThan(KeyArea(image, key), Rgb(kYellow)), text);
  EXPECT_GT(CountOf(image, text.translated(10, 10), Rgb(kBlack)), 0);

  key = TestKey();
  key.label = "Bom dia a todos";
  text = DrawnBounds(key, Rgb(kBlue));
  const int lineHeight = QFontMetrics(KeyFont("Arial", 14)).height();
  EXPECT_GE(text.left(), 10);
  EXPECT_LE(text.left(), 13);
  EXPECT_GE(text.top(), 10);
  EXPECT_GT(text.height(), lineHeight) << "more than one line";
  EXPECT_LE(text.right(), key.width - 10);

  key.label = "Ol\xe1!";  // a sentence of one word wraps too: from the corner
  text = DrawnBounds(key, Rgb(kBlue));
  EXPECT_LE(text.left(), 13);
  EXPECT_LT(text.bottom(), key.height / 2 + 4);
}

TEST(KeyPainterTest, ASymbolReplacesTheLabel) {
  KeyPaintState key = TestKey();
  key.label = std::string(kSymbolLabel);
  const QImage asText = Draw(key);
  key.symbol = KeySymbol::kEnter;
  const QImage asSymbol = Draw(key);
  EXPECT_NE(asText, asSymbol);
  const QRect drawn = BoundsOfOtherThan(KeyArea(asSymbol, key), Rgb(kBlue));
  EXPECT_TRUE(QRect(0, 0, 120, 60).contains(drawn));
  EXPECT_GT(drawn.width(), 40);
  EXPECT_GT(CountOf(asSymbol, drawn.translated(10, 10), Rgb(kWhite)), 0) << "in the text colour";
}

TEST(KeyPainterTest, PictogramIsScaledWithMarginsAndCentred) {
  KeyPaintState key = TestKey();
  key.type = KeyType::kPictogram;
  key.width = 120;
  key.height = 120;
  key.picture = PictureOf(Quarters(200, 100));
  // Scale min(120/200, 120/100) = 0.6: 120 x 60, less 2 x 10 each way: 100 x
  // 40, centred at (10, 40).
  QImage image = Draw(key);
  EXPECT_TRUE(Near(KeyPixel(image, 12, 42), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(KeyPixel(image, 107, 42), qRgb(0, 255, 0)));
  EXPECT_TRUE(Near(KeyPixel(image, 107, 77), qRgb(0, 0, 255)));
  EXPECT_TRUE(Near(KeyPixel(image, 12, 77), qRgb(0, 0, 0)));
  EXPECT_EQ(BoundsOfOtherThan(KeyArea(image, key), Rgb(kBlue)), QRect(10, 40, 100, 40));

  // A caption takes its line and 8 pixels at the top; the picture is fitted
  // into the rest.
  key.picture = PictureOf(Quarters(100, 100));
  key.caption = "p\xe3o";
  QFont captionFont = KeyFont("Arial", 14);
  captionFont.setPixelSize(80 / 8);
  const int top = QFontMetrics(captionFont).height() + 8;
  const int side = (120 - top) - 20;
  image = KeyArea(Draw(key), key);
  const QRect below = BoundsOfOtherThan(image.copy(0, top, 120, 120 - top), Rgb(kBlue));
  EXPECT_EQ(below, QRect((120 - side) / 2, 10, side, side));
  const QRect caption = BoundsOfOtherThan(image.copy(0, 0, 120, top), Rgb(kBlue));
  ASSERT_FALSE(caption.isEmpty());
  EXPECT_LE(std::abs(caption.left() - (119 - caption.right())), 2) << "caption centred";
  EXPECT_GE(caption.top(), 4);

  // A picture that is not the GUI's, or none, leaves the key blank.
  key.caption.clear();
  struct Sized final : KeyPicture {
    int Width() const override { return 10; }
    int Height() const override { return 10; }
  };
  key.picture = std::make_shared<Sized>();
  ExpectOnly(Draw(key), key, Rgb(kBlue));
  key.picture = nullptr;
  ExpectOnly(Draw(key), key, Rgb(kBlue));
}

TEST(KeyPainterTest, SuggestionKeysShowTheirTypeInEditModeAndTheirSuggestionOtherwise) {
  KeyPaintState key = TestKey();
  key.type = KeyType::kWordSuggestion;
  key.width = 200;
  ExpectOnly(Draw(key), key, Rgb(kGreen));  // nothing suggested yet

  key.suggestion = "casa";
  QRect text = DrawnBounds(key, Rgb(kGreen));
  EXPECT_GE(text.left(), 10);
  EXPECT_LE(text.left(), 13) << "left, inset by the margin";
  EXPECT_LE(std::abs(text.top() - (59 - text.bottom())), 4) << "vertically centred";

  // Edit mode: "[Predição de Palavra]" in small type from the corner,
  // whatever the suggestion.
  key.editMode = true;
  const QImage editing = Draw(key);
  text = BoundsOfOtherThan(KeyArea(editing, key), Rgb(kGreen));
  EXPECT_GE(text.top(), 10);
  EXPECT_LT(text.top(), 16);
  EXPECT_LT(text.height(), QFontMetrics(KeyFont("Arial", 14)).height());
  KeyPaintState sentenceKey = key;
  sentenceKey.type = KeyType::kSentenceSuggestion;
  EXPECT_NE(Draw(sentenceKey), editing) << "each type shows its own name";

  // Sentences wrap from the corner.
  sentenceKey.editMode = false;
  sentenceKey.suggestion = "Eu quero ir para casa agora";
  text = DrawnBounds(sentenceKey, Rgb(kGreen));
  EXPECT_LE(text.left(), 13);
  EXPECT_GE(text.top(), 10);
  EXPECT_GT(text.height(), QFontMetrics(KeyFont("Arial", 14)).height());

  // A pictogram suggestion is drawn as a pictogram key's picture.
  KeyPaintState pictogram = TestKey();
  pictogram.type = KeyType::kPictogramSuggestion;
  pictogram.height = 120;
  pictogram.picture = PictureOf(Quarters(200, 100));
  EXPECT_EQ(DrawnBounds(pictogram, Rgb(kGreen)), QRect(10, 40, 100, 40));
}

TEST(KeyPainterTest, LinkTriangleSitsAtTheBottomLeft) {
  KeyPaintState key = TestKey();
  key.opensKeyboard = true;
  QImage image = Draw(key);
  // (6, 44) (6, 54) (16, 49) for a key 60 high.
  EXPECT_EQ(KeyPixel(image, 7, 49), Rgb(kYellow));
  EXPECT_EQ(KeyPixel(image, 7, 45), Rgb(kYellow));
  EXPECT_EQ(KeyPixel(image, 14, 49), Rgb(kYellow));
  EXPECT_EQ(BoundsOfOtherThan(KeyArea(image, key), Rgb(kBlue)), QRect(6, 44, 11, 11));
  // Lit keys show it in the key's background colour.
  key.hovered = true;
  image = Draw(key);
  EXPECT_EQ(KeyPixel(image, 7, 49), Rgb(kBlue));
  EXPECT_EQ(KeyPixel(image, 30, 49), Rgb(kYellow));
}

TEST(KeyPainterTest, MarkerIsABarAtTheRightEdge) {
  KeyPaintState key = TestKey();
  key.fontSize = 16;  // a bar 4 pixels wide: x 112-115, y 4-55
  key.marker = true;
  QImage image = Draw(key);
  EXPECT_EQ(BoundsOfOtherThan(KeyArea(image, key), Rgb(kBlue)), QRect(112, 4, 4, 52));
  EXPECT_EQ(CountOtherThan(image, QRect(122, 14, 4, 52), Rgb(kYellow)), 0) << "opaque";
  key.highlighted = true;
  image = Draw(key);
  EXPECT_EQ(BoundsOfOtherThan(KeyArea(image, key), Rgb(kYellow)), QRect(112, 4, 4, 52));
  EXPECT_EQ(KeyPixel(image, 113, 30), Rgb(kBlue));
}

TEST(KeyPainterTest, PressFeedbackIsATranslucentCircleInTheContrastingColour) {
  KeyPaintState key = TestKey();  // 120 x 60: a circle 48 across round (60, 30)
  QImage image = DrawPressed(key);
  // Yellow over blue at 70 of 255.
  const QRgb blend = qRgb(255 * 70 / 255, 255 * 70 / 255, 255 * 185 / 255);
  EXPECT_TRUE(Near(KeyPixel(image, 60, 30), blend, 2));
  EXPECT_TRUE(Near(KeyPixel(image, 60 - 22, 30), blend, 2));
  EXPECT_TRUE(Near(KeyPixel(image, 60, 30 + 22), blend, 2));
  EXPECT_EQ(KeyPixel(image, 60 - 26, 30), Rgb(kBlue));
  EXPECT_EQ(KeyPixel(image, 60, 3), Rgb(kBlue));
  EXPECT_EQ(BoundsOfOtherThan(KeyArea(image, key), Rgb(kBlue)), QRect(35, 5, 50, 50));

  // On a lit key the circle takes the key's own background colour.
  key.highlighted = true;
  EXPECT_TRUE(Near(KeyPixel(DrawPressed(key), 60, 30), qRgb(185, 185, 70), 2));
}

}  // namespace
}  // namespace vorelio::testing
