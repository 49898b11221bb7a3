#include "keyboards/KeyLabelForm.h"

#include "common/Text.h"

namespace vorelio {

KeyLabelForm KeyLabelFormOf(std::string_view label) {
  const std::size_t words = Split(label, kSeparators).size();
  const bool sentence = ShapeOfText(label) == TextShape::kSentence;
  return words <= 2 && !sentence ? KeyLabelForm::kOneLineCentred : KeyLabelForm::kWrapped;
}

}  // namespace vorelio
