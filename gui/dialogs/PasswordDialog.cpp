#include "gui/dialogs/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/QtText.h"

namespace vorelio {

namespace {
constexpr std::string_view kTitle = "Bloquear Altera\xE7\xF5" "es ao Sistema";
constexpr std::string_view kPrompt = "Introduza a senha:";
constexpr int kFieldWidth = 260;
}  // namespace

PasswordDialog::PasswordDialog(QWidget* parent, CUserRecord* records)
    : QDialog(parent), record_(records, ConfiguratorDialog::kSystemPassword) {
  setWindowTitle(ToQString(kTitle));
  field_ = new QLineEdit(this);
  field_->setObjectName("password");
  field_->setEchoMode(QLineEdit::Password);
  field_->setMinimumWidth(kFieldWidth);
  auto* prompt = new QLabel(ToQString(kPrompt), this);
  prompt->setBuddy(field_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(field_);
  layout->addWidget(buttons);
}

std::string PasswordDialog::Entered() const { return FromQString(field_->text()); }

}  // namespace vorelio
