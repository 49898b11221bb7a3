// The drawings of the eighteen key symbols (Shift, the arrows, Enter...,
// the speech and other commands), each its own, scaled to the key.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "keyboards/KeySymbol.h"

namespace vorelio {

// Draws `symbol` in `colour`, anti-aliased, centred in `area` with a fifth
// of the area's smaller side left around it, keeping its own proportions
// (wide for Enter, Backspace, Tab and Space, square for the arrows). Draws
// nothing outside `area`; leaves the painter's state as it was.
void PaintKeySymbol(QPainter& painter, KeySymbol symbol, const QRectF& area, const QColor& colour);

}  // namespace vorelio
