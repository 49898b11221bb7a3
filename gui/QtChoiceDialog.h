// A modal dialog that offers a list of names and returns the one chosen:
// the profile selection dialog and the keyboard choices.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;

namespace vorelio {

class QtChoiceDialog final : public QDialog {
 public:
  // `title` and `names` are Windows-1252.
  QtChoiceDialog(QWidget* parent, std::string_view title, const std::vector<std::string>& names);

  // The name selected (Windows-1252), empty when none is.
  std::string Chosen() const;
  QListWidget& List() { return *list_; }

 private:
  QListWidget* list_;
};

}  // namespace vorelio
