#include "keyboards/ColorButton.h"

#include <utility>

#include "keyboards/PictogramLabel.h"
#include "platform/MessageNumbers.h"

namespace vorelio {

std::uintptr_t PackPointerPosition(PointerPosition point) {
  return (static_cast<std::uintptr_t>(point.y & 0xFFFF) << 16) |
         static_cast<std::uintptr_t>(point.x & 0xFFFF);
}

CColorButton::CColorButton(const KeyboardEnvironment& environment,
                           COnScreenKeyIdentifier position, const COnScreenKeyData& data,
                           bool editMode)
    : environment_(&environment), position_(position), fields_(data), editMode_(editMode) {
  fields_.backgroundColour =
      ResolveColour(data.backgroundColour, Presentation().keyBackgroundColour);
  fields_.textColour = ResolveColour(data.textColour, Presentation().keyTextColour);
  LoadPicture();
}

int32_t CColorButton::ResolveColour(int32_t colour, int32_t groupDefault) const {
  return colour == kGroupDefaultColour ? groupDefault : colour;
}

COnScreenKeyData CColorButton::Data() const {
  COnScreenKeyData data = fields_;
  if (data.backgroundColour == Presentation().keyBackgroundColour)
    data.backgroundColour = kGroupDefaultColour;
  if (data.textColour == Presentation().keyTextColour) data.textColour = kGroupDefaultColour;
  return data;
}

bool CColorButton::SetData(const COnScreenKeyData& data) {
  COnScreenKeyData fields = data;
  fields.backgroundColour = ResolveColour(data.backgroundColour, Presentation().keyBackgroundColour);
  fields.textColour = ResolveColour(data.textColour, Presentation().keyTextColour);
  if (fields == fields_) return false;
  fields_ = std::move(fields);
  LoadPicture();
  Repaint();
  return true;
}

void CColorButton::SetSuggestion(std::string suggestion) {
  suggestion_ = std::move(suggestion);
  if (ShowsPictogramSuggestion()) LoadPicture();
  Repaint();
}

bool CColorButton::ShowsPictogramSuggestion() const {
  const std::optional<KeyType> type = Type();
  return type == KeyType::kPictogramSuggestion || type == KeyType::kPictogramSentenceSuggestion;
}

void CColorButton::LoadPicture() {
  picture_.reset();
  if (environment_->pictures == nullptr) return;
  const std::vector<std::string> references =
      PictogramReferences(ShowsPictogramSuggestion() ? suggestion_ : fields_.label);
  if (references.empty()) return;
  picture_ = environment_->pictures->Load(Presentation().dataFolder, references);
}

void CColorButton::SetHighlighted(bool on) { SetFlag(highlighted_, on); }
void CColorButton::SetEditMode(bool on) { SetFlag(editMode_, on); }
void CColorButton::SetMarker(bool on) { SetFlag(marker_, on); }

void CColorButton::SetFlag(bool& flag, bool on) {
  if (flag == on) return;
  flag = on;
  Repaint();
}

bool CColorButton::Press(MouseButton button, PointerPosition pointer) {
  if (!IsActive()) return false;
  const bool posted = !editMode_;
  if (posted) Post(WM_KEY_PRESSED, position_.Packed(), static_cast<std::intptr_t>(button));
  if (button != MouseButton::kLeft) return false;
  Post(WM_HOOK_LEFT_BUTTON_DOWN, position_.Packed(),
       static_cast<std::intptr_t>(PackPointerPosition(pointer)));
  return posted;
}

void CColorButton::DoubleClick() {
  if (IsActive()) Post(WM_KEY_DOUBLE_CLICK, position_.Packed(), 0);
}

std::optional<int> CColorButton::PointerMoved(PointerPosition pointer) {
  if (IsActive()) Post(WM_HOOK_MOUSE_MOVE, PackPointerPosition(pointer), 0);
  if (!hovered_) {
    hovered_ = true;
    if (hoverCount_ < Presentation().hoverLimit) hoverWaitMs_ = kDefaultHoverTimeMs;
    Repaint();
  }
  return hoverWaitMs_;
}

std::optional<int> CColorButton::PointerRested() {
  hoverWaitMs_.reset();
  if (!hovered_ || hoverCount_ >= Presentation().hoverLimit) return hoverWaitMs_;
  ++hoverCount_;
  if (hoverCount_ < Presentation().hoverLimit) hoverWaitMs_ = kHoverRepeatMs;
  if (IsActive()) Post(WM_KEY_HOVER, position_.Packed(), 0);
  return hoverWaitMs_;
}

void CColorButton::PointerLeft() {
  hoverWaitMs_.reset();
  hoverCount_ = 0;
  SetFlag(hovered_, false);
}

void CColorButton::PresentationChanged(const KeyboardPresentation& old) {
  if (fields_.backgroundColour == old.keyBackgroundColour)
    fields_.backgroundColour = Presentation().keyBackgroundColour;
  if (fields_.textColour == old.keyTextColour) fields_.textColour = Presentation().keyTextColour;
  if (old.dataFolder != Presentation().dataFolder) LoadPicture();
  Repaint();
}

void CColorButton::Post(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const {
  if (environment_->notificationWindow != 0)
    PostMessageTo(environment_->notificationWindow, message, wParam, lParam);
}

void CColorButton::Repaint() const {
  if (environment_->repaint != nullptr) environment_->repaint->KeyChanged(*this);
}

}  // namespace vorelio
