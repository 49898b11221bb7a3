// The key font's measures for the layout, taken from Qt's font metrics. A
// QGuiApplication must exist while it is made and used.
#pragma once

#include <QFontMetrics>

#include <string_view>

#include "keyboards/KeyFontMetrics.h"

namespace vorelio {

class QtKeyFontMetrics final : public KeyFontMetrics {
 public:
  // The key font (see KeyFont) of face `face` (Windows-1252) at `points`.
  QtKeyFontMetrics(std::string_view face, int points);

  int TextWidth(std::string_view label) const override;
  int AverageCharWidth() const override;
  int LineHeight() const override;

 private:
  QFontMetrics metrics_;
};

}  // namespace vorelio
