#include "gui/PictogramThumbnail.h"

#include <algorithm>

namespace vorelio {

QRect FittedPictureRect(QSize picture, const QRect& area, int margin) {
  if (picture.isEmpty() || area.isEmpty()) return {};
  const double scale = std::min(static_cast<double>(area.width()) / picture.width(),
                                static_cast<double>(area.height()) / picture.height());
  const int width = static_cast<int>(picture.width() * scale) - 2 * margin;
  const int height = static_cast<int>(picture.height() * scale) - 2 * margin;
  if (width <= 0 || height <= 0) return {};
  return QRect(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2,
               width, height);
}

void PaintThumbnail(QPainter& painter, const QRect& area, const QImage& picture, int margin) {
  painter.fillRect(area, Qt::white);
  const QRect place = FittedPictureRect(picture.size(), area, margin);
  if (place.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(place, picture);
  painter.restore();
}

QImage MakeThumbnail(const QImage& picture, QSize size, int margin) {
  QImage thumbnail(size, QImage::Format_RGB32);
  QPainter painter(&thumbnail);
  PaintThumbnail(painter, thumbnail.rect(), picture, margin);
  return thumbnail;
}

}  // namespace vorelio
