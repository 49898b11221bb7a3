#include "gui/KeyFont.h"

#include <algorithm>

#include "gui/QtText.h"

namespace vorelio {

QFont KeyFont(std::string_view face, int points) {
  QFont font(ToQString(face));
  font.setPointSize(std::max(points, 1));
  return font;
}

}  // namespace vorelio
