#include "gui/KeyPaintStateOf.h"

#include "keyboards/KeyOutput.h"
#include "keyboards/KeyboardLayout.h"

namespace vorelio {

namespace {
constexpr int32_t kGradientFill = 1;  // TIPO_PREENCHIMENTO_TECLA; any other value is solid
}  // namespace

KeyPaintState KeyPaintStateOf(const CColorButton& key, int pictogramHeight) {
  const KeyboardPresentation& presentation = key.Presentation();
  KeyPaintState state;
  state.width = key.Rect().width;
  state.height = key.Rect().height;
  state.type = key.Type().value_or(KeyType::kEmpty);
  state.active = key.IsActive();

  state.label = key.Label();
  state.symbol = SymbolOfKey(key.Label(), key.Output());
  state.caption = key.Caption();
  state.picture = key.Picture();
  state.suggestion = key.Suggestion();
  state.opensKeyboard = ClassifyKeyOutput(key.Output()).kind == KeyOutputKind::kKeyboard;

  state.backgroundColour = key.BackgroundColour();
  state.textColour = key.TextColour();
  state.highlightBackgroundColour = key.HighlightBackgroundColour();
  state.highlightTextColour = key.HighlightTextColour();
  state.suggestionBackgroundColour = presentation.suggestionKeyBackgroundColour;
  state.gradientFill = presentation.keyFill == kGradientFill;
  state.gradientAngle = presentation.keyGradientAngle;
  state.backgroundColour2 = presentation.keyBackgroundColour2;

  state.fontFace = presentation.fontFace;
  state.fontSize = presentation.fontSize;
  state.pictogramHeight = pictogramHeight;

  state.hovered = key.IsHovered();
  state.highlighted = key.IsHighlighted();
  state.editMode = key.IsInEditMode();
  state.marker = key.HasMarker();
  return state;
}

int PictogramHeightOf(const COnScreenKeyboard& keyboard) {
  return EffectiveKeyHeight(keyboard.PictogramKeyHeight(),
                            keyboard.Environment().presentation.pictogramKeyHeight);
}

}  // namespace vorelio
