#include "gui/QtEventViewer.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "gui/QtText.h"

namespace vorelio {

QtEventViewer::QtEventViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), lines_(new QListWidget(this)) {
  setWindowTitle(ToQString("Visualizador de Eventos"));
  // Lines are as wide as their events: the list scrolls sideways to the
  // longest one rather than wrapping.
  lines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  lines_->setUniformItemSizes(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lines_);
  resize(700, 300);
}

void QtEventViewer::AddLine(std::string_view line) {
  lines_->addItem(ToQString(line));
  lines_->scrollToBottom();
}

void QtEventViewer::Clear() { lines_->clear(); }

}  // namespace vorelio
