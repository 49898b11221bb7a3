// Finds the gallery picture of a pictogram word. A dictionary word such as
// "[pão]" stands for the pictogram named "pão": the file "pão.bmp" of one of
// the galleries, the folders "CAT_IMG_<gallery>" of the data folder. Keys
// show a pictogram by its reference, "CAT_IMG_Comida\pão.bmp".
//
// The galleries are read once, the first time a pictogram is looked up
// after the data folder was set. Names are matched without regard to case;
// when two galleries hold the same name, the gallery first in name order
// gives it.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace vorelio {

class PictogramFinder {
 public:
  // `files` must outlive the finder.
  explicit PictogramFinder(FileSystem& files) : files_(files) {}

  // The folder that holds the galleries, ending in a path separator;
  // forgets what was read from the previous one.
  void SetDataFolder(std::string folder);

  // The reference of the pictogram a word names, with or without its
  // brackets ("[pão]", "pão"); empty when no gallery holds it.
  std::string ReferenceOf(std::string_view pictogramWord);
  // The references of the pictograms of a text ("[bom] [dia]"), in order,
  // joined by ":" as a row of pictograms; words of the text that are not
  // pictograms, and pictograms no gallery holds, are left out.
  std::string RowOf(std::string_view text);

 private:
  void ReadGalleries();

  FileSystem& files_;
  std::string folder_;
  bool read_ = false;
  std::map<std::string, std::string, std::less<>> references_;  // lower-case name -> reference
};

}  // namespace vorelio
