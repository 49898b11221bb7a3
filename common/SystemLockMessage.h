// The message every configuration command shows, instead of running, while
// system changes are locked.
#pragma once

#include <string_view>

namespace vorelio {

inline constexpr std::string_view kSystemChangesLockedMessage =
    "As altera\xE7\xF5" "es ao sistema est\xE3" "o bloqueadas! Este bloqueio pode ser retirado "
    "em Op\xE7\xF5" "es Gerais.";

}  // namespace vorelio
