// The layout of an on-screen keyboard. There is no grid: every key takes a
// natural size from its type, output and label; keys are packed left to
// right in their group, groups left to right in their line, lines top to
// bottom with a line gap above, between and below them. Two profile options
// then stretch the lines to one length (never less than 250 pixels) or to
// the height of the tallest line. Empty keys (TECLA_VAZIA) keep their small
// square size throughout.
//
// Pure: the same records, presentation and font measures give the same
// rectangles. The keyboard model runs it after loading, after every edit and
// whenever a size option changes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "keyboards/KeyFontMetrics.h"
#include "keyboards/KeyRect.h"
#include "keyboards/KeyMargins.h"
#include "keyboards/KeyType.h"
#include "keyboards/KeyboardPresentation.h"
#include "keyboards/PictureRow.h"

namespace vorelio {

// What the layout needs to know of one key (strings in Windows-1252).
struct KeyLayoutInput {
  KeyType type = KeyType::kNormal;
  std::string label;
  std::string output;
  std::optional<PictureSize> picture;  // the loaded picture's size
  bool pictogramNotLoaded = false;     // the label names a pictogram that did not load
};
struct GroupLayoutInput {
  std::vector<KeyLayoutInput> keys;
};
struct LineLayoutInput {
  std::vector<GroupLayoutInput> groups;
};
struct KeyboardLayoutInput {
  std::vector<LineLayoutInput> lines;
  int keyHeight = 0;           // the keyboard file's; 0 (or less): the profile's
  int pictogramKeyHeight = 0;  // the same for pictogram keys
};

// Rectangles relative to the keyboard's top-left corner, in the order of the
// input.
struct GroupLayout {
  KeyRect rect;
  std::vector<KeyRect> keys;
};
struct LineLayout {
  KeyRect rect;
  std::vector<GroupLayout> groups;
};
struct KeyboardLayout {
  std::vector<LineLayout> lines;
  int width = 0;
  int height = 0;
};

// A keyboard's own key height (or pictogram height) when it sets one, else
// the profile's.
int EffectiveKeyHeight(int keyboardValue, int profileValue);

// Lays the keyboard out with the sizes, gaps and stretch flags of
// `presentation` and the key font measured by `font`.
KeyboardLayout LayOutKeyboard(const KeyboardLayoutInput& keyboard,
                              const KeyboardPresentation& presentation,
                              const KeyFontMetrics& font);

}  // namespace vorelio
