#include "output/PointerPlacement.h"

namespace vorelio {

// Every column within the area's horizontal range looks the same, so at
// most two columns are tried.
std::optional<ScreenPoint> FirstPointOutside(const ScreenRect& client, const ScreenRect& area) {
  if (client.left >= client.right || client.top >= client.bottom) return std::nullopt;
  for (int32_t x : {client.left, area.right}) {
    if (x < client.left || x >= client.right) continue;
    ScreenPoint point{x, client.top};
    if (area.Contains(point)) point.y = area.bottom;
    if (point.y < client.bottom) return point;
  }
  return std::nullopt;
}

}  // namespace vorelio
