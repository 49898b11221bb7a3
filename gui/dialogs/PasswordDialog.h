// The system-changes password dialog ("Bloquear Alterações ao Sistema"):
// one masked field, "Introduza a senha:". Whether the text is the password
// is for CSystemOptions to say. Records its opening and closing in the
// configurator records.
#pragma once

#include <QDialog>

#include <string>

#include "app/RecordedDialog.h"

class QLineEdit;

namespace vorelio {

class PasswordDialog final : public QDialog {
 public:
  // `records` may be null.
  PasswordDialog(QWidget* parent, CUserRecord* records);

  // The text typed (Windows-1252).
  std::string Entered() const;

 private:
  RecordedDialog record_;
  QLineEdit* field_ = nullptr;
};

}  // namespace vorelio
