// The waiting notice: a borderless window on top of the others, centred on
// the desktop, that shows a short text while the program is busy (a
// profile loading). It never takes the focus.
#pragma once

#include <QLabel>
#include <string_view>

namespace vorelio {

class QtWaitNotice final : public QLabel {
 public:
  explicit QtWaitNotice(QWidget* parent);
  // Shows `text` (Windows-1252) and draws it at once: the work that follows
  // keeps the event loop busy.
  void ShowText(std::string_view text);
};

}  // namespace vorelio
