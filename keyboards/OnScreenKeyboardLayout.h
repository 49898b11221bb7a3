// The layout pass over a keyboard model: every key gets its rectangle, and
// the result tells where the lines and groups are and how big the keyboard
// is. Run after loading, after every edit and whenever a size option or the
// key font changes.
#pragma once

#include "keyboards/KeyFontMetrics.h"
#include "keyboards/KeyboardLayout.h"
#include "keyboards/OnScreenKeyboard.h"

namespace vorelio {

KeyboardLayout LayOutOnScreenKeyboard(COnScreenKeyboard& keyboard, const KeyFontMetrics& font);

// The key under a point of the keyboard (relative to its top-left corner);
// nothing between keys. TECLA_VAZIA keys count as keys here: they are inert
// because they are inactive, not because they cannot be hit.
std::optional<COnScreenKeyIdentifier> KeyAt(const KeyboardLayout& layout, int x, int y);

}  // namespace vorelio
