// The option dialogs the menu opens, shown with Qt: the profile options
// (ProfileOptionsDialog), the general options (SystemOptionsDialog) and the
// system-changes password (PasswordDialog). Each is modal over the parent
// window and records its opening and closing in the configurator records.
#pragma once

#include "app/OptionDialogs.h"
#include "gui/dialogs/ProfileOptionsDialog.h"

class QWidget;

namespace vorelio {

class QtOptionDialogs final : public OptionDialogs {
 public:
  // `parent` (may be null) owns the dialogs while shown; `services` give
  // the speech page its voices and exceptions files, the messages of every
  // dialog and the configurator records (null: nothing recorded). All must
  // outlive this object.
  QtOptionDialogs(QWidget* parent, OptionDialogServices services);

  bool EditProfileOptions(std::string_view profileName, UserProfileOptions& options,
                          const ProfileOptionChoices& choices) override;
  bool EditSystemOptions(CSystemOptions& options,
                         const std::vector<std::string>& profileNames) override;
  std::optional<std::string> AskSystemPassword() override;

 private:
  // The profile selection dialog ("Seleccionar Perfil de Utilizador"): the
  // chosen name, empty when cancelled.
  std::string ChooseProfile(const std::vector<std::string>& profileNames);

  QWidget* parent_;
  OptionDialogServices services_;
};

}  // namespace vorelio
