#include "gui/QtKeyPictureLoader.h"

#include <QPainter>

#include <algorithm>

#include "common/NativePath.h"
#include "gui/QtKeyPicture.h"
#include "platform/FileSystem.h"

namespace vorelio {

namespace {

QImage LoadBitmap(FileSystem& files, const std::string& path) {
  const std::optional<std::string> bytes = files.ReadFile(path);
  if (!bytes) return {};
  QImage image;
  image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                     static_cast<int>(bytes->size()), "BMP");
  return image;
}

// The parts side by side: each as tall as the tallest and as wide as its
// width times the whole quotient of the tallest height by its own.
QImage JoinRow(const std::vector<QImage>& parts) {
  int height = 0;
  for (const QImage& part : parts) height = std::max(height, part.height());
  int width = 0;
  for (const QImage& part : parts) width += part.width() * (height / part.height());
  QImage row(width, height, QImage::Format_RGB32);
  row.fill(Qt::white);
  QPainter painter(&row);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  int x = 0;
  for (const QImage& part : parts) {
    const int partWidth = part.width() * (height / part.height());
    painter.drawImage(QRect(x, 0, partWidth, height), part);
    x += partWidth;
  }
  return row;
}

}  // namespace

std::shared_ptr<const KeyPicture> QtKeyPictureLoader::Load(
    const std::string& dataFolder, const std::vector<std::string>& references) {
  std::vector<QImage> parts;
  for (const std::string& reference : references) {
    if (reference.empty()) continue;
    QImage part = LoadBitmap(files_, InFolder(dataFolder, reference));
    if (!part.isNull()) parts.push_back(std::move(part));
  }
  if (parts.empty()) return nullptr;
  if (parts.size() == 1) return std::make_shared<QtKeyPicture>(std::move(parts.front()));
  return std::make_shared<QtKeyPicture>(JoinRow(parts));
}

}  // namespace vorelio
