#include "app/WindowPlacement.h"

#include <algorithm>

#include "profiles/UserProfileOptions.h"

namespace vorelio {
namespace {

constexpr int32_t kCharacterWidth = 100;  // kept free at the left edge
constexpr int32_t kCharacterHeight = 50;  // kept free at the top edge
constexpr int32_t kGapBesideCaret = 100;

}  // namespace

ScreenPoint PlaceAwayFromCaret(ScreenPoint caret, const ScreenRect& desktop,
                               const ScreenRect& frame, bool characterShown) {
  const int32_t width = frame.right - frame.left;
  const int32_t height = frame.bottom - frame.top;
  const int32_t middleX = desktop.left + (desktop.right - desktop.left) / 2;
  const int32_t middleY = desktop.top + (desktop.bottom - desktop.top) / 2;
  const int32_t left = desktop.left + (characterShown ? kCharacterWidth : 0);
  const int32_t top = desktop.top + (characterShown ? kCharacterHeight : 0);
  const int32_t right = desktop.right - width;
  const int32_t bottom = desktop.bottom - height;
  const bool leftHalf = caret.x < middleX;
  const bool topHalf = caret.y < middleY;
  if (leftHalf && topHalf) return {right, bottom};
  if (leftHalf) return {right, top};
  if (topHalf) return {left, bottom};
  return {left, top};
}

ScreenPoint PlaceNextToCaret(ScreenPoint caret, const ScreenRect& desktop,
                             const ScreenRect& frame) {
  const int32_t width = frame.right - frame.left;
  const int32_t height = frame.bottom - frame.top;
  const int32_t x =
      std::max(desktop.left, std::min(caret.x + kGapBesideCaret, desktop.right - width));
  const int32_t y = std::max(desktop.top, std::min(caret.y, desktop.bottom - height));
  return {x, y};
}

StartWindowPlacement PlaceWindowAtStart(const UserProfileOptions& options,
                                        const ScreenRect& desktop, int32_t contentWidth,
                                        int32_t contentHeight) {
  StartWindowPlacement placement;
  if (options.startMinimized != 0) {
    placement.state = WindowShowState::kMinimized;
  } else if (options.startMaximized != 0) {
    placement.state = WindowShowState::kMaximized;
  }
  placement.showBars = options.showWindowBars != 0;
  const int32_t width = std::max(options.windowWidth, contentWidth);
  const int32_t height = std::max(options.windowHeight, contentHeight);
  int32_t x = options.windowX;
  int32_t y = options.windowY;
  if (options.centreWindow != 0) {
    x = desktop.left + (desktop.right - desktop.left - width) / 2;
    y = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  }
  // Onto the desktop; a window larger than it keeps its top-left corner on it.
  x = std::max(desktop.left, std::min(x, desktop.right - width));
  y = std::max(desktop.top, std::min(y, desktop.bottom - height));
  placement.frame = {x, y, x + width, y + height};
  return placement;
}

}  // namespace vorelio
