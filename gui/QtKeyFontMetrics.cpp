#include "gui/QtKeyFontMetrics.h"

#include "gui/KeyFont.h"
#include "gui/QtText.h"

namespace vorelio {

QtKeyFontMetrics::QtKeyFontMetrics(std::string_view face, int points)
    : metrics_(KeyFont(face, points)) {}

int QtKeyFontMetrics::TextWidth(std::string_view label) const {
  return metrics_.horizontalAdvance(ToQString(label));
}

int QtKeyFontMetrics::AverageCharWidth() const { return metrics_.averageCharWidth(); }

int QtKeyFontMetrics::LineHeight() const { return metrics_.height(); }

}  // namespace vorelio
