#include "gui/QtKeyPicture.h"

namespace vorelio {

const QImage* ImageOf(const KeyPicture* picture) {
  const auto* loaded = dynamic_cast<const QtKeyPicture*>(picture);
  return loaded != nullptr ? &loaded->Image() : nullptr;
}

}  // namespace vorelio
