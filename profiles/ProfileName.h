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
// The list of the other profiles, one name a line.
inline constexpr std::string_view kProfileListName = "utils";
// The profile whose options file is the template of new profiles; it is
// never written.
inline constexpr std::string_view kTemplateProfileName = "base";

// True for a name that names no file of the program's own: "geral" (the
// general dictionary), "base" (the template of new profiles), "utils" (the
// profile list), "configsis" (the system options), or any name that begins
// with "." (hidden files), whatever their case.
bool IsReservedProfileName(std::string_view name);

// True for a non-empty name without "/", "\\", "..", a space or a control
// character that is not reserved. Names that come from files ("utils") or
// from outside (imports, the command line) are used only when this holds.
bool IsSafeProfileName(std::string_view name);

// The new-profile dialog's check: trims the entered name at both ends and
// returns it when it may be created. Otherwise shows why and returns
// nothing: empty; a space; a slash, "..", or a control character; a
// reserved name; a name equal to one of `existingNames` (regardless of case,
// so that the files of "Ana" and "ana" never meet on a file system that
// ignores case).
std::optional<std::string> ValidateNewProfileName(std::string_view entered,
                                                  const std::vector<std::string>& existingNames,
                                                  MessageBoxService& messages);

}  // namespace vorelio
