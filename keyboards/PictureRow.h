// A row of pictograms joined into one picture for a key ("a.bmp:b.bmp"):
// the sizes the picture loader gives the joined picture and its parts.
#pragma once

#include <vector>

#include "keyboards/KeyRect.h"

namespace vorelio {

struct PictureSize {
  int width = 0;
  int height = 0;

  bool operator==(const PictureSize&) const = default;
};

struct PictureRowLayout {
  PictureSize size;            // the joined picture
  std::vector<KeyRect> parts;  // where each part is drawn in it, in order
};

// Joins the parts left to right into a picture as tall as the tallest part.
// Each part is drawn at that height and as wide as its own width times the
// whole quotient of the tallest height by its own height (a part half as
// tall is drawn twice as wide; one two-thirds as tall keeps its width). A
// part without area takes no room and gets an empty rectangle where it
// would start.
PictureRowLayout LayOutPictureRow(const std::vector<PictureSize>& parts);

}  // namespace vorelio
