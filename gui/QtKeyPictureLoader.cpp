#include "gui/QtKeyPictureLoader.h"

#include <QPainter>

#include <algorithm>

#include "common/NativePath.h"
#include "gui/QtKeyPicture.h"
#include "keyboards/PictureRow.h"
#include "platform/FileSystem.h"

namespace vorelio {

namespace {

// The parts side by side, where the row layout places them.
QImage JoinRow(const std::vector<QImage>& parts) {
  std::vector<PictureSize> sizes;
  for (const QImage& part : parts) sizes.push_back({part.width(), part.height()});
  const PictureRowLayout layout = LayOutPictureRow(sizes);
  QImage row(layout.size.width, layout.size.height, QImage::Format_RGB32);
  row.fill(Qt::white);
  QPainter painter(&row);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const KeyRect& place = layout.parts[i];
    painter.drawImage(QRect(place.x, place.y, place.width, place.height), parts[i]);
  }
  return row;
}

}  // namespace

std::shared_ptr<const KeyPicture> QtKeyPictureLoader::Load(
    const std::string& dataFolder, const std::vector<std::string>& references) {
  std::vector<QImage> parts;
  for (const std::string& reference : references) {
    if (reference.empty()) continue;
    QImage part = LoadBitmap(InFolder(dataFolder, reference));
    if (!part.isNull()) parts.push_back(std::move(part));
  }
  if (parts.empty()) return nullptr;
  if (parts.size() == 1) return std::make_shared<QtKeyPicture>(std::move(parts.front()));
  return std::make_shared<QtKeyPicture>(JoinRow(parts));
}

QImage QtKeyPictureLoader::LoadBitmap(const std::string& path) {
  const auto cached = cache_.find(path);
  if (cached != cache_.end()) return cached->second;
  const std::optional<std::string> bytes = files_.ReadFile(path);
  QImage image;
  if (bytes) {
    image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                       static_cast<int>(bytes->size()), "BMP");
  }
  if (cache_.size() >= kCachedPictures) cache_.clear();
  cache_.emplace(path, image);
  return image;
}

}  // namespace vorelio
