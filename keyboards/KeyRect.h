// A rectangle in pixels, relative to the on-screen keyboard's top-left
// corner (keys, groups and lines) or to its parent (the keyboard).
#pragma once

namespace vorelio {

struct KeyRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const KeyRect&) const = default;
};

}  // namespace vorelio
