// "Novo Perfil de Utilizador": asks for the name of a new profile and stays
// open until the check accepts the name typed.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "app/ProgramDialogs.h"

class QLineEdit;

namespace vorelio {

class QtNewProfileDialog final : public QDialog {
 public:
  QtNewProfileDialog(QWidget* parent, NewProfileNameCheck check);

  // OK: closes only when the check accepts the name (it tells why not).
  void accept() override;
  // The name the check accepted; nothing before that.
  const std::optional<std::string>& Name() const { return name_; }
  QLineEdit& NameField() { return *field_; }

 private:
  NewProfileNameCheck check_;
  QLineEdit* field_;
  std::optional<std::string> name_;
};

}  // namespace vorelio
