// The picture of a pictogram for the program's message editor, drawn with
// Qt: the caption band in the key font above the picture (see
// app/PictogramPictureMaker.h for the rules).
#pragma once

#include <string>

#include "app/PictogramPictureMaker.h"
#include "keyboards/KeyPicture.h"

namespace vorelio {

class QtPictogramPictureMaker final : public PictogramPictureMaker {
 public:
  // `pictures` (a QtKeyPictureLoader) must outlive the maker; pictograms are
  // read from `dataFolder`; captions start at the key font `fontFace` at
  // `fontPoints` points.
  QtPictogramPictureMaker(KeyPictureLoader& pictures, std::string dataFolder, std::string fontFace,
                          int fontPoints);

  std::optional<PictogramPicture> Make(std::string_view reference, std::string_view caption,
                                       int32_t editorHeight) override;

 private:
  KeyPictureLoader& pictures_;
  std::string dataFolder_;
  std::string fontFace_;
  int fontPoints_;
};

}  // namespace vorelio
