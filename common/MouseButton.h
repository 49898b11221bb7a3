// The three mouse buttons, numbered as a key press notification carries
// them (0 left, 1 right, 2 middle).
#pragma once

namespace vorelio {

enum class MouseButton { kLeft = 0, kRight = 1, kMiddle = 2 };

}  // namespace vorelio
