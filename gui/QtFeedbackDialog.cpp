#include "gui/QtFeedbackDialog.h"

#include <QFormLayout>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {

QtFeedbackDialog::QtFeedbackDialog(QWidget* parent)
    : QDialog(parent), difficulty_(new QSpinBox(this)), suggestion_(new QPlainTextEdit(this)) {
  setWindowTitle(ToQString("Opini\xE3o do Configurador"));
  difficulty_->setRange(1, 5);
  auto* layout = new QFormLayout(this);
  layout->addRow(ToQString("Dificuldade (1 a 5):"), difficulty_);
  layout->addRow(ToQString("Sugest\xE3o:"), suggestion_);
  layout->addRow(OkCancelButtons(*this));
}

ConfiguratorFeedback QtFeedbackDialog::Feedback() const {
  return {difficulty_->value(), FromQString(suggestion_->toPlainText())};
}

}  // namespace vorelio
