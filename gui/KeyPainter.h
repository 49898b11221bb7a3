// Draws one on-screen key, and the circle that shows it was pressed.
//
// The key fills the rectangle (0, 0, width, height) of the painter's
// coordinates. In order:
// 1. The background: when neither hovered nor highlighted, the suggestion
//    background for the four suggestion types and the key's background
//    otherwise, solid or as a gradient to the second colour at the gradient
//    angle; when hovered or highlighted, the highlight background, solid.
//    An inactive key stops here, and is never drawn hovered or highlighted.
// 2. The text colour is the highlight text colour when hovered or
//    highlighted, the key's text colour otherwise.
// 3. A text key shows its symbol, or its label in the key font: on one
//    centred line or wrapped from the top-left corner inset by the text
//    margin (KeyLabelForm.h).
// 4. A pictogram key shows its picture: a caption first, at the top, in the
//    key face at an eighth of the pictogram height (pixels), with its line
//    height plus 8 pixels kept for it (the text sits 4 pixels down); then the
//    picture fitted (PictogramThumbnail.h) into the rest with the picture
//    margin, smoothly.
// 5. A suggestion key in edit mode shows "[its type name]" in the key face
//    at 8 points, wrapped from the top-left corner inset by the text margin;
//    otherwise its suggestion: a word on one line, vertically centred, left
//    inset by the text margin; a sentence wrapped as in 3; a pictogram or a
//    row of them as in 4.
// 6. A key that opens another keyboard carries a triangle pointing right at
//    its bottom-left corner, (6, h-16) (6, h-6) (16, h-11).
// 7. The marker is a bar 4 pixels in from the top, right and bottom edges,
//    a quarter of the font size (points) wide, anti-aliased.
// The triangle and the marker take the highlight background colour, or the
// background colour while hovered or highlighted.
#pragma once

#include <QPainter>

#include "gui/KeyPaintState.h"

namespace vorelio {

// Draws nothing outside the key; leaves the painter's state as it was.
void PaintKey(QPainter& painter, const KeyPaintState& key);

// The press feedback: a filled circle with a one-pixel outline, anti-aliased,
// centred, of diameter 4/5 of the key's smaller side, at opacity 70 of 255,
// in the key's background colour when hovered or highlighted and in the
// highlight background colour otherwise (so it stands out from what the key
// shows).
void PaintPressFeedback(QPainter& painter, const KeyPaintState& key);

}  // namespace vorelio
