// Where a picture goes in a rectangle, and thumbnails of pictograms (the
// gallery and pictogram dialogs list them at 100 x 100 with margin 0; the
// key dialog previews with margin 20).
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

namespace vorelio {

// The picture scaled uniformly by the smaller of area width / picture width
// and area height / picture height, each side then shortened by twice
// `margin`, centred in `area`. Empty when the picture is empty or nothing
// is left after the margins.
QRect FittedPictureRect(QSize picture, const QRect& area, int margin);

// Fills `area` with white and draws `picture` smoothly in its fitted place.
void PaintThumbnail(QPainter& painter, const QRect& area, const QImage& picture, int margin);
// The same as an image of `size`.
QImage MakeThumbnail(const QImage& picture, QSize size, int margin);

}  // namespace vorelio
