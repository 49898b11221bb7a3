#include "gui/QtAbbreviationsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {

QtAbbreviationsDialog::QtAbbreviationsDialog(QWidget* parent,
                                             CAbbreviationExpansionSet& abbreviations,
                                             MessageBoxService& messages)
    : QDialog(parent),
      abbreviations_(abbreviations),
      messages_(messages),
      table_(new QTableWidget(0, 2, this)),
      abbreviation_(new QLineEdit(this)),
      expansion_(new QLineEdit(this)) {
  setWindowTitle(ToQString("Abreviaturas"));
  table_->setHorizontalHeaderLabels({ToQString("Abreviatura"), ToQString("Expans\xE3o")});
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  abbreviation_->setPlaceholderText(ToQString("Abreviatura"));
  expansion_->setPlaceholderText(ToQString("Expans\xE3o"));

  auto* add = new QPushButton(ToQString("Adicionar"), this);
  auto* remove = new QPushButton(ToQString("Remover"), this);
  connect(add, &QPushButton::clicked, this, &QtAbbreviationsDialog::AddTyped);
  connect(remove, &QPushButton::clicked, this, &QtAbbreviationsDialog::RemoveSelected);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
    // The row may still be filling.
    const QTableWidgetItem* abbreviation = table_->item(row, 0);
    const QTableWidgetItem* expansion = table_->item(row, 1);
    if (abbreviation == nullptr || expansion == nullptr) return;
    abbreviation_->setText(abbreviation->text());
    expansion_->setText(expansion->text());
  });

  auto* fields = new QHBoxLayout;
  fields->addWidget(abbreviation_, 1);
  fields->addWidget(expansion_, 3);
  fields->addWidget(add);
  fields->addWidget(remove);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(fields);
  layout->addWidget(CloseButton(*this));
  resize(600, 400);
  Refill();
}

void QtAbbreviationsDialog::AddTyped() {
  if (!abbreviations_.Set(FromQString(abbreviation_->text()), FromQString(expansion_->text()))) {
    messages_.ShowMessage(kAbbreviationRefusedMessage);
    return;
  }
  abbreviation_->clear();
  expansion_->clear();
  Refill();
}

void QtAbbreviationsDialog::RemoveSelected() {
  const int row = table_->currentRow();
  if (row < 0) return;
  abbreviations_.Remove(FromQString(table_->item(row, 0)->text()));
  Refill();
}

void QtAbbreviationsDialog::Refill() {
  table_->setRowCount(0);
  for (const auto& [abbreviation, expansion] : abbreviations_) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(ToQString(abbreviation)));
    table_->setItem(row, 1, new QTableWidgetItem(ToQString(expansion)));
  }
}

}  // namespace vorelio
