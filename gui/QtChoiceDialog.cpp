#include "gui/QtChoiceDialog.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {

QtChoiceDialog::QtChoiceDialog(QWidget* parent, std::string_view title,
                               const std::vector<std::string>& names)
    : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle(ToQString(title));
  for (const std::string& name : names) list_->addItem(ToQString(name));
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(OkCancelButtons(*this));
}

std::string QtChoiceDialog::Chosen() const {
  const QListWidgetItem* item = list_->currentItem();
  return item != nullptr && item->isSelected() ? FromQString(item->text()) : std::string();
}

}  // namespace vorelio
