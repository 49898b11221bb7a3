#include "gui/QtNewProfileDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {

QtNewProfileDialog::QtNewProfileDialog(QWidget* parent, NewProfileNameCheck check)
    : QDialog(parent), check_(std::move(check)), field_(new QLineEdit(this)) {
  setWindowTitle(ToQString("Novo Perfil de Utilizador"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(ToQString("Nome do novo perfil de utilizador:"), this));
  layout->addWidget(field_);
  layout->addWidget(OkCancelButtons(*this));
}

void QtNewProfileDialog::accept() {
  name_ = check_(FromQString(field_->text()));
  if (name_) QDialog::accept();
}

}  // namespace vorelio
