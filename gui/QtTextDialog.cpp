#include "gui/QtTextDialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {

QtTextDialog::QtTextDialog(QWidget* parent, std::string_view title,
                           const std::vector<std::string>& lines)
    : QDialog(parent), text_(new QPlainTextEdit(this)) {
  setWindowTitle(ToQString(title));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (const std::string& line : lines) text_->appendPlainText(ToQString(line));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(CloseButton(*this));
  resize(500, 500);
}

}  // namespace vorelio
