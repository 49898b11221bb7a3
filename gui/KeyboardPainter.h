// Draws a laid-out on-screen keyboard: each key with PaintKey at the
// rectangle the layout gave it. The keyboard widget and the rendering tool
// both draw through it.
#pragma once

#include <QPainter>
#include <QRect>
#include <QRegion>

#include <optional>

#include "keyboards/KeyRect.h"
#include "keyboards/OnScreenKeyboard.h"

namespace vorelio {

QRect ToQRect(const KeyRect& rect);

// Paints every key whose rectangle meets `region` (keyboard coordinates,
// the painter's origin at the keyboard's top-left corner), and nothing
// else: the gaps between keys keep what lies beneath. The keyboard must
// have been laid out. `pressed`, when it names a key, gets the press
// circle over its drawing.
void PaintKeyboard(QPainter& painter, const COnScreenKeyboard& keyboard, const QRegion& region,
                   const std::optional<COnScreenKeyIdentifier>& pressed = std::nullopt);

}  // namespace vorelio
