#include "gui/QtMessageBox.h"

#include <QMessageBox>

#include "gui/QtText.h"

namespace vorelio {
namespace {

const QString kTitle = QStringLiteral("Vorelio");

}  // namespace

void QtMessageBox::ShowMessage(std::string_view text) {
  QMessageBox::information(parent_, kTitle, ToQString(text));
}

bool QtMessageBox::AskYesNo(std::string_view question) {
  return QMessageBox::question(parent_, kTitle, ToQString(question),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace vorelio
