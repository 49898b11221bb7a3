#include "gui/QtKeyFontMetrics.h"

#include "gui/KeyFont.h"
#include "gui/QtText.h"

namespace vorelio {

QtKeyFontMetrics::QtKeyFontMetrics(std::string_view face, int points)
    : metrics_(KeyFont(face, points)) {
  advances_.fill(-1);
}

int QtKeyFontMetrics::TextWidth(std::string_view label) const {
  int width = 0;
  for (const char c : label) {
    int& advance = advances_[static_cast<unsigned char>(c)];
    if (advance < 0) advance = metrics_.horizontalAdvance(ToQString(std::string_view(&c, 1)));
    width += advance;
  }
  return width;
}

int QtKeyFontMetrics::AverageCharWidth() const { return metrics_.averageCharWidth(); }

int QtKeyFontMetrics::LineHeight() const { return metrics_.height(); }

}  // namespace vorelio
