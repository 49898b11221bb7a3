// The preview window: a small top-level text window that shows how the text
// will read once a suggestion or an abbreviation is written (the profile's
// VER_ANTES_COMPLETAR). It is shown without taking the focus, so the user
// goes on writing in the application in front. The GUI implements it with
// the profile's font and colours; tests record what it shows.
#pragma once

#include <optional>
#include <string_view>

#include "output/DesktopQueries.h"

namespace vorelio {

class PreviewWindow {
 public:
  virtual ~PreviewWindow() = default;
  // Shows `text` (Windows-1252) at the caret's screen position, or at the
  // window's default place when the caret is not known.
  virtual void Show(std::string_view text, std::optional<ScreenPoint> caret) = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
};

}  // namespace vorelio
