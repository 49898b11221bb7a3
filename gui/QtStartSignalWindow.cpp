#include "gui/QtStartSignalWindow.h"

namespace vorelio {

void QtStartSignalWindow::Show(std::string_view text) {
  NoticeLook look;
  look.fontFace = StartSignalLook::kFontFace;
  look.points = StartSignalLook::kPointSize;
  look.textColour = static_cast<int32_t>(StartSignalLook::kTextColour);
  look.backgroundColour = static_cast<int32_t>(StartSignalLook::kBackgroundColour);
  look.belowCentre = StartSignalLook::kPixelsBelowScreenCentre;
  window_ = std::make_unique<TextNoticeWindow>(text, look);
}

}  // namespace vorelio
