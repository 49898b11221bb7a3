// The option dialogs the menu opens: the profile's options (grouped in
// pages), the general options of the installation and the password that
// unlocks system changes. The GUI implements them; tests answer for the
// person.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/UserProfileOptions.h"

namespace vorelio {

class CSystemOptions;

// What the profile options dialog offers in its lists.
struct ProfileOptionChoices {
  std::vector<std::string> voices;     // the voices, without "Nenhum" (the dialog adds it)
  std::vector<std::string> keyboards;  // the keyboards of the data folder, without ".tec"
  std::string dataFolder;              // the per-user data folder, ending in "/"
};

class OptionDialogs {
 public:
  virtual ~OptionDialogs() = default;
  // Shows the options of the profile `profileName`, filled from `options`.
  // On OK the edited values are written into `options` and true returned;
  // on Cancel `options` is left as it was.
  virtual bool EditProfileOptions(std::string_view profileName, UserProfileOptions& options,
                                  const ProfileOptionChoices& choices) = 0;
  // Shows the general options filled from `options`, with the start profile
  // and the priority list chosen among `profileNames`. On OK the edited
  // values are set into `options` (which marks it changed) and true
  // returned; on Cancel nothing changes.
  virtual bool EditSystemOptions(CSystemOptions& options,
                                 const std::vector<std::string>& profileNames) = 0;
  // Asks for the system-changes password ("Bloquear Alterações ao
  // Sistema"); the text entered, or nothing when cancelled.
  virtual std::optional<std::string> AskSystemPassword() = 0;
};

}  // namespace vorelio
