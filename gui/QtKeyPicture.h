// A key's picture as the GUI loads and draws it.
#pragma once

#include <QImage>

#include <utility>

#include "keyboards/KeyPicture.h"

namespace vorelio {

class QtKeyPicture final : public KeyPicture {
 public:
  // `image` must not be null.
  explicit QtKeyPicture(QImage image) : image_(std::move(image)) {}
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

// The image of a picture that the GUI loaded; null for any other picture
// (a test's fixed-size one) and for no picture.
const QImage* ImageOf(const KeyPicture* picture);

}  // namespace vorelio
