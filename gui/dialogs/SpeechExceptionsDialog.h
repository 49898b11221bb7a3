// The exceptions dialog of the speech page ("Excepções do Sintetizador de
// Fala"): the list of one voice's exceptions, the fields "Texto:" and
// "Substituir por:" and the buttons "Nova", "Apagar" and "Ouvir". The
// editor model does the work and saves the file after every change; the
// dialog shows it. Records its opening and closing in the configurator
// records.
#pragma once

#include <QDialog>

#include <memory>

#include "app/RecordedDialog.h"
#include "speech/SpeechExceptionsEditor.h"

class QLineEdit;
class QListWidget;

namespace vorelio {

class SpeechExceptionsDialog final : public QDialog {
 public:
  // `records` may be null.
  SpeechExceptionsDialog(QWidget* parent, std::unique_ptr<SpeechExceptionsEditor> editor,
                         CUserRecord* records);
  ~SpeechExceptionsDialog() override;

 private:
  // Shows the editor's lines, selection and replacement field.
  void Refresh();
  void ReplacementEdited();

  RecordedDialog record_;
  std::unique_ptr<SpeechExceptionsEditor> editor_;
  QListWidget* list_ = nullptr;
  QLineEdit* text_ = nullptr;
  QLineEdit* replacement_ = nullptr;
};

}  // namespace vorelio
