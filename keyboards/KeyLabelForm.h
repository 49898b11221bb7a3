// How a key lays out its text label: short labels on one centred line,
// longer ones and sentences word-wrapped from the top-left corner.
#pragma once

#include <string_view>

namespace vorelio {

enum class KeyLabelForm {
  kOneLineCentred,  // centred horizontally and vertically
  kWrapped,         // word-wrapped from the top-left corner, inset by the text margin
};

// A label (Windows-1252) of at most two words (split at the word separators
// of common/Text.h) that is not a sentence - a sentence holds ".", "?" or
// "!" and at least one word - takes one line; any other label is wrapped.
// So "Bom dia" and "?" take one line, "Olá!" and "Até amanhã, Ana" wrap.
KeyLabelForm KeyLabelFormOf(std::string_view label);

}  // namespace vorelio
