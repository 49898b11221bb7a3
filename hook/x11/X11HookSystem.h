// The X11 desktop behind the hook library: observes the keyboard and mouse
// of $DISPLAY and calls the hook procedures as the system would.
#pragma once

#include <memory>

#include "hook/HookSystem.h"

namespace vorelio::hook {

// The backend for $DISPLAY; null when the display cannot be opened or the
// extensions it needs are missing (InitializeHook then fails).
std::unique_ptr<HookSystem> CreateX11HookSystem();

}  // namespace vorelio::hook
