// Pictures on keys. The keyboard model only needs a picture's size (the
// layout keeps its proportions); what the picture holds is the drawing
// side's business, so the loader that the GUI provides returns its own
// subclass, and tests use a loader of fixed sizes.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vorelio {

class KeyPicture {
 public:
  virtual ~KeyPicture() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

class KeyPictureLoader {
 public:
  virtual ~KeyPictureLoader() = default;
  // Loads the pictograms `references` ("CAT_IMG_Comida\pão.bmp", Windows-1252,
  // relative to `dataFolder`) and joins them left to right into one picture
  // as tall as the tallest part; each part is drawn at that height and as
  // wide as its own width times the whole quotient of the tallest height by
  // its height. Parts that cannot be loaded are left out; null when none
  // loads.
  virtual std::shared_ptr<const KeyPicture> Load(const std::string& dataFolder,
                                                 const std::vector<std::string>& references) = 0;
};

}  // namespace vorelio
