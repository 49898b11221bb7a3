// The program's message boxes and Yes/No questions, on Qt: modal to the
// main window (or to no window before it exists), titled "Vorelio".
#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace vorelio {

class QtMessageBox final : public MessageBoxService {
 public:
  // `parent` may be set later, once the main window exists; null: none.
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view question) override;

 private:
  QWidget* parent_;
};

}  // namespace vorelio
