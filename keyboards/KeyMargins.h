// The room a key leaves around its text and around its picture, in pixels:
// the layout sizes keys with it and the keys draw with it.
#pragma once

namespace vorelio {

inline constexpr int kKeyTextMargin = 10;
inline constexpr int kKeyPictureMargin = 10;

}  // namespace vorelio
