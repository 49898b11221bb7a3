// The measures of the key font that the layout needs, so that the layout
// rules are tested with fixed numbers and drawn with the real font's.
#pragma once

#include <string_view>

namespace vorelio {

class KeyFontMetrics {
 public:
  virtual ~KeyFontMetrics() = default;
  // The width, in pixels, of a label (Windows-1252) on one line.
  virtual int TextWidth(std::string_view label) const = 0;
  // The average character width and the height of one line of text.
  virtual int AverageCharWidth() const = 0;
  virtual int LineHeight() const = 0;
};

}  // namespace vorelio
