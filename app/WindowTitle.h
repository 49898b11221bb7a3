// The main window's title: the product, the profile, the keyboard in use and
// whether the profile logs, so the person beside the user sees at a glance
// what the program is doing. The suffixes of keyboard editing, cooperative
// communication and an inactive GPS receiver join it with those parts.
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

// "Vorelio V3.0: PROFILE (KEYBOARD) (Logging Ligado)", or "(Logging
// Desligado)" when the profile does not log. Windows-1252, as the names.
std::string MainWindowTitle(std::string_view profileName, std::string_view keyboardName,
                            bool logging);

}  // namespace vorelio
