// The rule for profile names. Profile files are named by concatenating the
// data folder, the name and an extension, so a name must not be able to
// point anywhere else or break the blank-separated files that list it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"

namespace vorelio {

inline constexpr std::string_view kGenericProfileName = "generico";

// True for a non-empty name without "/", "\\", "..", a space or a control
// character. Names that come from files ("utils") or from outside (imports,
// the command line) are used only when this holds.
bool IsSafeProfileName(std::string_view name);

// The new-profile dialog's check: trims the entered name at both ends and
// returns it when it may be created. Otherwise shows why and returns
// nothing: empty; a space; a slash, "..", or a control character; a name
// equal (case-sensitively) to one of `existingNames`.
std::optional<std::string> ValidateNewProfileName(std::string_view entered,
                                                  const std::vector<std::string>& existingNames,
                                                  MessageBoxService& messages);

}  // namespace vorelio
