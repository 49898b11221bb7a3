// The eighteen symbols: each drawn, each its own, inside and scaled to its key.
#include <vector>

#include "gui/KeySymbolPainter.h"
#include "tests/gui/GuiTestSupport.h"

namespace vorelio::testing {
namespace {

QImage DrawSymbol(KeySymbol symbol, QSize key) {
  QImage image(key.width() + 20, key.height() + 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintKeySymbol(painter, symbol, QRectF(10, 10, key.width(), key.height()), Qt::black);
  return image;
}

// Each symbol in a key of its natural width for height 60.
QSize NaturalKey(KeySymbol symbol) { return QSize(SymbolKeyWidth(symbol, 60), 60); }

TEST(KeySymbolPainterTest, EverySymbolIsDrawnInsideItsKeyAndDiffersFromTheOthers) {
  std::vector<QImage> drawings;
  for (int i = 0; i < kKeySymbolCount; ++i) {
    const auto symbol = static_cast<KeySymbol>(i);
    const QSize key = NaturalKey(symbol);
    const QImage image = DrawSymbol(symbol, key);
    const QRect drawn = BoundsOfOtherThan(image, qRgb(255, 255, 255));
    SCOPED_TRACE(std::string(OutputOf(symbol)));
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_TRUE(QRect(10, 10, key.width(), key.height()).contains(drawn));
    // Centred, and as large as the key allows with a fifth of its height
    // around: 36 pixels one way or the other.
    EXPECT_LE(std::abs((drawn.left() - 10) - (key.width() + 9 - drawn.right())), 3);
    EXPECT_LE(std::abs((drawn.top() - 10) - (key.height() + 9 - drawn.bottom())), 3);
    EXPECT_TRUE(drawn.width() >= 30 || drawn.height() >= 30);
    // Drawn in the colour given.
    EXPECT_GT(CountOf(image, drawn, qRgb(0, 0, 0)), 0);
    drawings.push_back(DrawSymbol(symbol, QSize(120, 60)));
  }
  for (int a = 0; a < kKeySymbolCount; ++a) {
    for (int b = a + 1; b < kKeySymbolCount; ++b) {
      // Distinct by more than a few pixels of anti-aliasing.
      int differing = 0;
      for (int y = 0; y < drawings[a].height(); ++y) {
        for (int x = 0; x < drawings[a].width(); ++x) {
          const int contrast = qGray(drawings[a].pixel(x, y)) - qGray(drawings[b].pixel(x, y));
          differing += std::abs(contrast) > 128;
        }
      }
      EXPECT_GT(differing, 60) << OutputOf(static_cast<KeySymbol>(a)) << " and "
                               << OutputOf(static_cast<KeySymbol>(b));
    }
  }
}

TEST(KeySymbolPainterTest, SymbolsGrowWithTheKeyAndKeepTheirShape) {
  for (KeySymbol symbol : {KeySymbol::kShift, KeySymbol::kEnter, KeySymbol::kSpace}) {
    const QRect small =
        BoundsOfOtherThan(DrawSymbol(symbol, NaturalKey(symbol)), qRgb(255, 255, 255));
    const QSize doubled = NaturalKey(symbol) * 2;
    const QRect large = BoundsOfOtherThan(DrawSymbol(symbol, doubled), qRgb(255, 255, 255));
    EXPECT_NEAR(large.width(), 2 * small.width(), 3) << OutputOf(symbol);
    EXPECT_NEAR(large.height(), 2 * small.height(), 3) << OutputOf(symbol);
  }
  // A key too small for any symbol is left alone.
  EXPECT_TRUE(BoundsOfOtherThan(DrawSymbol(KeySymbol::kEnter, QSize(0, 0)), qRgb(255, 255, 255))
                  .isEmpty());
}

}  // namespace
}  // namespace vorelio::testing
