// The buttons at the foot of the program's dialogs, labelled in
// Portuguese whatever Qt's own translations say.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>

namespace vorelio {

// "OK" and "Cancelar", wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);
// "Fechar", wired to the dialog's reject.
QDialogButtonBox* CloseButton(QDialog& dialog);

}  // namespace vorelio
