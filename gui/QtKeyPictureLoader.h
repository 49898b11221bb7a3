// Loads pictograms (Windows bitmaps) for keys with QImage, reading the files
// through the program's file system.
#pragma once

#include "keyboards/KeyPicture.h"

namespace vorelio {

class FileSystem;

class QtKeyPictureLoader final : public KeyPictureLoader {
 public:
  // `files` must outlive the loader.
  explicit QtKeyPictureLoader(FileSystem& files) : files_(files) {}

  // As KeyPictureLoader says; the result is a QtKeyPicture. A part is
  // scaled smoothly to its place in a row. A file that is missing or not a
  // bitmap is left out, as is a reference that is empty.
  std::shared_ptr<const KeyPicture> Load(const std::string& dataFolder,
                                         const std::vector<std::string>& references) override;

 private:
  FileSystem& files_;
};

}  // namespace vorelio
