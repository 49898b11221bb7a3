// Loads pictograms (Windows bitmaps) for keys with QImage, reading the files
// through the program's file system.
#pragma once

#include <QImage>

#include <map>
#include <string>

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

  // Pictograms once decoded are kept (up to kCachedPictures of them), so
  // that going back and forth between keyboards does not decode them
  // again; the gallery operations forget them when files change.
  static constexpr std::size_t kCachedPictures = 512;
  void ForgetPictures() { cache_.clear(); }

 private:
  QImage LoadBitmap(const std::string& path);

  FileSystem& files_;
  std::map<std::string, QImage> cache_;  // by path; null images for failures too
};

}  // namespace vorelio
