// The key font's measures for the layout, taken from Qt's font metrics. A
// QGuiApplication must exist while it is made and used.
#pragma once

#include <QFontMetrics>

#include <array>
#include <string_view>

#include "keyboards/KeyFontMetrics.h"

namespace vorelio {

class QtKeyFontMetrics final : public KeyFontMetrics {
 public:
  // The key font (see KeyFont) of face `face` (Windows-1252) at `points`.
  QtKeyFontMetrics(std::string_view face, int points);

  // The sum of the characters' advances, as the system's text extents
  // measure a label (no kerning); each of the 256 characters is measured
  // once.
  int TextWidth(std::string_view label) const override;
  int AverageCharWidth() const override;
  int LineHeight() const override;

 private:
  QFontMetrics metrics_;
  mutable std::array<int, 256> advances_;  // -1: not measured yet
};

}  // namespace vorelio
