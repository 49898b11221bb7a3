#include "gui/QtOptionDialogs.h"

#include <QInputDialog>
#include <QStringList>

#include "gui/QtText.h"
#include "gui/dialogs/PasswordDialog.h"
#include "gui/dialogs/SystemOptionsDialog.h"

namespace vorelio {

QtOptionDialogs::QtOptionDialogs(QWidget* parent, OptionDialogServices services)
    : parent_(parent), services_(services) {}

bool QtOptionDialogs::EditProfileOptions(std::string_view profileName, UserProfileOptions& options,
                                         const ProfileOptionChoices& choices) {
  ProfileOptionsDialog dialog(parent_, profileName, options, choices, services_);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.WriteChangedValues(options);
  return true;
}

bool QtOptionDialogs::EditSystemOptions(CSystemOptions& options,
                                        const std::vector<std::string>& profileNames) {
  SystemOptionsDialog dialog(parent_, options, profileNames,
                             {.messages = services_.messages,
                              .records = services_.records,
                              .askPassword = [this] { return AskSystemPassword(); },
                              .chooseProfile = [this, &profileNames] {
                                return ChooseProfile(profileNames);
                              }});
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.WriteTo(options);
  return true;
}

std::optional<std::string> QtOptionDialogs::AskSystemPassword() {
  PasswordDialog dialog(parent_, services_.records);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Entered();
}

std::string QtOptionDialogs::ChooseProfile(const std::vector<std::string>& profileNames) {
  QStringList names;
  for (const std::string& name : profileNames) names.append(ToQString(name));
  bool chosen = false;
  const QString name = QInputDialog::getItem(
      parent_, ToQString("Seleccionar Perfil de Utilizador"), ToQString("Perfis de utilizador:"),
      names, 0, false, &chosen);
  return chosen ? FromQString(name) : std::string();
}

}  // namespace vorelio
