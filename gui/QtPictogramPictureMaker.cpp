#include "gui/QtPictogramPictureMaker.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "gui/KeyFont.h"
#include "gui/QtKeyPicture.h"
#include "gui/QtText.h"
#include "keyboards/PictogramLabel.h"

namespace vorelio {

namespace {

// Room kept below the picture, and around the caption inside its band.
constexpr int kPictureSpace = 20;
constexpr double kCaptionSpare = 4;
constexpr double kCaptionStep = 0.5;    // points
constexpr double kSmallestCaption = 0.2;  // points

// The key font from `points` down by half a point until `caption` fits
// `width` x `height` of `device` with room to spare, or until it would go
// below 0.2.
QFont CaptionFont(std::string_view face, int points, const QString& caption, double width,
                  double height, QPaintDevice& device) {
  QFont font = KeyFont(face, std::max(points, 1));
  for (double size = std::max(points, 1); size >= kSmallestCaption; size -= kCaptionStep) {
    font.setPointSizeF(size);
    const QFontMetricsF metrics(font, &device);
    if (metrics.horizontalAdvance(caption) + kCaptionSpare <= width &&
        metrics.height() + kCaptionSpare <= height)
      break;
  }
  return font;
}

PictogramPicture PixelsOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  PictogramPicture picture;
  picture.width = rgb.width();
  picture.height = rgb.height();
  picture.pixels.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb pixel = rgb.pixel(x, y);
      // COLORREF: 0x00BBGGRR.
      picture.pixels.push_back(static_cast<uint32_t>(qBlue(pixel)) << 16 |
                               static_cast<uint32_t>(qGreen(pixel)) << 8 |
                               static_cast<uint32_t>(qRed(pixel)));
    }
  }
  return picture;
}

}  // namespace

QtPictogramPictureMaker::QtPictogramPictureMaker(KeyPictureLoader& pictures, std::string dataFolder,
                                                 std::string fontFace, int fontPoints)
    : pictures_(pictures),
      dataFolder_(std::move(dataFolder)),
      fontFace_(std::move(fontFace)),
      fontPoints_(fontPoints) {}

std::optional<PictogramPicture> QtPictogramPictureMaker::Make(std::string_view reference,
                                                              std::string_view caption,
                                                              int32_t editorHeight) {
  const std::shared_ptr<const KeyPicture> loaded =
      pictures_.Load(dataFolder_, PictogramReferences(reference));
  const QImage* source = ImageOf(loaded.get());
  if (source == nullptr || source->isNull() || source->height() <= 0) return std::nullopt;

  const int band = caption.empty() ? 0 : editorHeight / 8 + 8;
  const int pictureHeight = editorHeight - band - kPictureSpace;
  if (pictureHeight <= 0) return std::nullopt;  // an editor too low for any picture
  const int pictureWidth = std::max(
      1, static_cast<int>(static_cast<int64_t>(source->width()) * pictureHeight / source->height()));

  QImage image(pictureWidth, band + pictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, band, pictureWidth, pictureHeight), *source);
  if (band > 0) {
    const QString text = ToQString(caption);
    painter.setFont(CaptionFont(fontFace_, fontPoints_, text, pictureWidth, band, image));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, pictureWidth, band), Qt::AlignCenter | Qt::TextSingleLine, text);
  }
  painter.end();
  return PixelsOf(image);
}

}  // namespace vorelio
