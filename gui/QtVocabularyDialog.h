// The user words or user sentences dialog: lists the entries the user has
// written, with their user frequencies; adds an entry and sets an entry's
// frequency through the vocabulary editor, which checks and tells.
#pragma once

#include <QDialog>
#include <string>

#include "prediction/UserVocabularyEditor.h"

class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace vorelio {

class QtVocabularyDialog final : public QDialog {
 public:
  QtVocabularyDialog(QWidget* parent, CUserVocabularyEditor& editor, VocabularyKind kind);

  // "Adicionar": the text of the entry field.
  void AddTyped();
  // "Alterar Frequência": the selected entry takes the spin box's value.
  void SetSelectedFrequency();

  QTableWidget& Table() { return *table_; }
  QLineEdit& EntryField() { return *entry_; }
  QSpinBox& FrequencyField() { return *frequency_; }

 private:
  // Lists the editor's entries again and selects `text` when listed.
  void Refill(const std::string& select);

  CUserVocabularyEditor& editor_;
  const VocabularyKind kind_;
  QTableWidget* table_;
  QLineEdit* entry_;
  QSpinBox* frequency_;
};

}  // namespace vorelio
