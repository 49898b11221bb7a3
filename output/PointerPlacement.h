// Where a target moves the mouse pointer to get it out of the way.
#pragma once

#include <optional>

#include "output/DesktopQueries.h"

namespace vorelio {

// The first point of `client`, column by column from the left and each
// column from the top, that lies outside `area`; nothing when the client
// area lies wholly inside it (or is empty).
std::optional<ScreenPoint> FirstPointOutside(const ScreenRect& client, const ScreenRect& area);

}  // namespace vorelio
