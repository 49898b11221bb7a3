// The one place where a key of the model becomes what its drawing depends
// on (KeyPaintState): the widget and the rendering tool both go through it.
#pragma once

#include "gui/KeyPaintState.h"
#include "keyboards/ColorButton.h"
#include "keyboards/OnScreenKeyboard.h"

namespace vorelio {

// The key at its layout rectangle's size, with its type (a type word the
// program does not know is drawn as an empty place, as it is laid out),
// texts, symbol, picture, suggestion, link triangle, state flags, and the
// colours and font of its presentation. `pictogramHeight` is the keyboard's
// effective pictogram height (PictogramHeightOf), which sizes captions.
KeyPaintState KeyPaintStateOf(const CColorButton& key, int pictogramHeight);

// The keyboard's own pictogram-key height when its file sets one, else the
// profile's.
int PictogramHeightOf(const COnScreenKeyboard& keyboard);

}  // namespace vorelio
