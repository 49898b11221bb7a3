// Qt's mouse buttons as the program numbers them.
#pragma once

#include <Qt>

#include <optional>

#include "common/MouseButton.h"

namespace vorelio {

// Left, right or middle; nothing for any other button.
inline std::optional<MouseButton> MouseButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::kLeft;
    case Qt::RightButton: return MouseButton::kRight;
    case Qt::MiddleButton: return MouseButton::kMiddle;
    default: return std::nullopt;
  }
}

}  // namespace vorelio
