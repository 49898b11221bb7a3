#include "gui/OffscreenGui.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "gui/KeyboardPainter.h"
#include "gui/QtKeyFontMetrics.h"
#include "gui/QtKeyPictureLoader.h"
#include "gui/QtText.h"

namespace vorelio {

struct OffscreenGui::State {
  int argc = 1;
  char name[16] = "vorelio";
  char* argv[2] = {name, nullptr};
  QGuiApplication application{argc, argv};
};

OffscreenGui::OffscreenGui() {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  state_ = std::make_unique<State>();
}

OffscreenGui::~OffscreenGui() = default;

std::unique_ptr<KeyFontMetrics> MeasureKeyFont(std::string_view face, int points) {
  return std::make_unique<QtKeyFontMetrics>(face, points);
}

std::unique_ptr<KeyPictureLoader> MakeKeyPictureLoader(FileSystem& files) {
  return std::make_unique<QtKeyPictureLoader>(files);
}

std::optional<std::string> KeyboardPng(const COnScreenKeyboard& keyboard, int width, int height,
                                       int32_t backgroundColour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQColor(backgroundColour));
  QPainter painter(&image);
  PaintKeyboard(painter, keyboard, QRegion(image.rect()));
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace vorelio
