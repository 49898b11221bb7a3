// The configurator's feedback dialog: a difficulty from 1 to 5 and a
// suggestion in free text.
#pragma once

#include <QDialog>

#include "app/ProgramDialogs.h"

class QPlainTextEdit;
class QSpinBox;

namespace vorelio {

class QtFeedbackDialog final : public QDialog {
 public:
  explicit QtFeedbackDialog(QWidget* parent);

  // What the fields hold (the suggestion in Windows-1252).
  ConfiguratorFeedback Feedback() const;
  QSpinBox& DifficultyField() { return *difficulty_; }
  QPlainTextEdit& SuggestionField() { return *suggestion_; }

 private:
  QSpinBox* difficulty_;
  QPlainTextEdit* suggestion_;
};

}  // namespace vorelio
