// Helpers of the GUI tests: keys drawn into images, pixels compared, test
// pictures made and saved as bitmaps, modal dialogs answered.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "gui/KeyPaintState.h"
#include "gui/KeyPainter.h"
#include "gui/QtKeyPicture.h"

namespace vorelio::testing {

// Around the key, so that drawing outside it shows.
inline const QColor kOutside(1, 2, 3);

// Colours as COLORREF and as the pixels they give.
inline constexpr int32_t kWhite = 0xFFFFFF;
inline constexpr int32_t kBlack = 0x000000;
inline constexpr int32_t kRed = 0x0000FF;
inline constexpr int32_t kBlue = 0xFF0000;
inline constexpr int32_t kYellow = 0x00FFFF;
inline constexpr int32_t kGreen = 0x008000;

inline QRgb Rgb(int32_t colorref) {
  return qRgb(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

// A key of 120 x 60 with distinct colours: white on blue, highlighted black
// on yellow, suggestions on green.
inline KeyPaintState TestKey() {
  KeyPaintState key;
  key.width = 120;
  key.height = 60;
  key.backgroundColour = kBlue;
  key.textColour = kWhite;
  key.highlightBackgroundColour = kYellow;
  key.highlightTextColour = kBlack;
  key.suggestionBackgroundColour = kGreen;
  key.backgroundColour2 = kRed;
  key.fontFace = "Arial";
  key.fontSize = 14;
  key.pictogramHeight = 80;
  return key;
}

// The key drawn at (10, 10) of an image 20 pixels larger each way.
inline QImage Draw(const KeyPaintState& key) {
  QImage image(key.width + 20, key.height + 20, QImage::Format_RGB32);
  image.fill(kOutside);
  QPainter painter(&image);
  painter.translate(10, 10);
  PaintKey(painter, key);
  return image;
}

// The pixel at (x, y) of the key in an image made by Draw.
inline QRgb KeyPixel(const QImage& image, int x, int y) { return image.pixel(x + 10, y + 10); }

// The pixels of a rectangle of `image` that differ from `colour`.
inline int CountOtherThan(const QImage& image, const QRect& area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) != colour;
  }
  return count;
}

inline int CountOf(const QImage& image, const QRect& area, QRgb colour) {
  return area.width() * area.height() - CountOtherThan(image, area, colour);
}

// The smallest rectangle holding every pixel of `image` that is not `colour`.
inline QRect BoundsOfOtherThan(const QImage& image, QRgb colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != colour) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// The smallest rectangle holding every pixel where two pictures of one size
// differ.
inline QRect BoundsOfDifference(const QImage& a, const QImage& b) {
  QRect bounds;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// A picture in four quarters (red, green, blue, black from the top left,
// clockwise), so that where each part lands can be checked.
inline QImage Quarters(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
  painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
  painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::blue);
  painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::black);
  return image;
}

// The bytes of `image` saved as a Windows bitmap.
inline std::string BitmapBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes.toStdString();
}

inline std::shared_ptr<const KeyPicture> PictureOf(QImage image) {
  return std::make_shared<QtKeyPicture>(std::move(image));
}

// Whether two colours are within `tolerance` in every channel (smooth
// scaling blends colours at the edges of areas).
inline bool Near(QRgb a, QRgb b, int tolerance = 8) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Once the next modal dialog of type D is shown, calls `act` on it (which
// should close it). Checks again until it appears.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget())) {
      act(*dialog);
      return;
    }
    WhenShown<D>(act);
  });
}

}  // namespace vorelio::testing
