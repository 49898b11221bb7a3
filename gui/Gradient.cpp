#include "gui/Gradient.h"

#include <cmath>
#include <numbers>

namespace vorelio {

QLinearGradient GradientAcross(const QRectF& rect, double degrees, const QColor& from,
                               const QColor& to) {
  const double radians = degrees * std::numbers::pi / 180.0;
  const QPointF direction(std::cos(radians), std::sin(radians));
  const double reach = (rect.width() * std::abs(direction.x()) +
                        rect.height() * std::abs(direction.y())) / 2;
  QLinearGradient gradient(rect.center() - direction * reach, rect.center() + direction * reach);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

}  // namespace vorelio
