// A picture of a whole X display, for the README's screenshots and for
// looking at the program under Xvfb. Callers see no Qt type.
#pragma once

#include <string>

namespace vorelio {

// Connects to `displayName` (null: $DISPLAY) on Qt's xcb platform, grabs
// its first screen and writes it to `pngPath` as PNG (written whole or not
// at all). False, with `error` saying why, when the display cannot be
// reached or the file cannot be written. Must be called with no Qt
// application alive.
bool SaveScreenPng(const char* displayName, const std::string& pngPath, std::string& error);

}  // namespace vorelio
