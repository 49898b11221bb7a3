// The live event viewer: a window beside the program that lists the event
// lines as the log writes them. Closing it only hides it, so that a log
// still attached never writes to a window that is gone.
#pragma once

#include <QWidget>

#include "logging/Log.h"

class QListWidget;

namespace vorelio {

class QtEventViewer final : public QWidget, public EventLogViewer {
 public:
  explicit QtEventViewer(QWidget* parent);

  // Adds the line at the end and keeps it in sight.
  void AddLine(std::string_view line) override;
  void Clear();
  QListWidget& Lines() { return *lines_; }

 private:
  QListWidget* lines_;
};

}  // namespace vorelio
