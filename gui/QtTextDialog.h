// A dialog that shows lines of text to read and copy: the metrics.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace vorelio {

class QtTextDialog final : public QDialog {
 public:
  // `title` and `lines` are Windows-1252.
  QtTextDialog(QWidget* parent, std::string_view title, const std::vector<std::string>& lines);
  QPlainTextEdit& Text() { return *text_; }

 private:
  QPlainTextEdit* text_;
};

}  // namespace vorelio
