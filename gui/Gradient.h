// The gradients of keys and of the window's background.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

namespace vorelio {

// A gradient across the rectangle at `degrees` clockwise from the right: the
// first colour at the corner furthest against the direction, the second at
// the corner furthest along it.
QLinearGradient GradientAcross(const QRectF& rect, double degrees, const QColor& from,
                               const QColor& to);

}  // namespace vorelio
