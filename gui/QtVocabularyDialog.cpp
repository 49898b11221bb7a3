#include "gui/QtVocabularyDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "common/Text.h"
#include "gui/QtDialogButtons.h"
#include "gui/QtText.h"

namespace vorelio {

QtVocabularyDialog::QtVocabularyDialog(QWidget* parent, CUserVocabularyEditor& editor,
                                       VocabularyKind kind)
    : QDialog(parent),
      editor_(editor),
      kind_(kind),
      table_(new QTableWidget(0, 2, this)),
      entry_(new QLineEdit(this)),
      frequency_(new QSpinBox(this)) {
  const bool words = kind == VocabularyKind::kWords;
  setWindowTitle(ToQString(words ? "Palavras do Utilizador" : "Frases do Utilizador"));
  table_->setHorizontalHeaderLabels(
      {ToQString(words ? "Palavra" : "Frase"), ToQString("Frequ\xEAncia")});
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  frequency_->setRange(0, std::numeric_limits<int>::max());

  auto* add = new QPushButton(ToQString("Adicionar"), this);
  auto* setFrequency = new QPushButton(ToQString("Alterar Frequ\xEAncia"), this);
  connect(add, &QPushButton::clicked, this, &QtVocabularyDialog::AddTyped);
  connect(setFrequency, &QPushButton::clicked, this, &QtVocabularyDialog::SetSelectedFrequency);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
    // The row may still be filling.
    if (const QTableWidgetItem* frequency = table_->item(row, 1)) {
      frequency_->setValue(frequency->text().toInt());
    }
  });

  auto* adding = new QHBoxLayout;
  adding->addWidget(entry_);
  adding->addWidget(add);
  auto* changing = new QHBoxLayout;
  changing->addWidget(frequency_);
  changing->addWidget(setFrequency);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(adding);
  layout->addLayout(changing);
  layout->addWidget(OkCancelButtons(*this));
  resize(500, 400);
  Refill({});
}

void QtVocabularyDialog::AddTyped() {
  std::string typed(Trim(FromQString(entry_->text())));
  if (kind_ == VocabularyKind::kWords) typed = ToLower(typed);
  const AddEntryResult result = editor_.Add(typed);
  if (result == AddEntryResult::kAdded) entry_->clear();
  if (result == AddEntryResult::kAdded || result == AddEntryResult::kAlreadyListed) Refill(typed);
}

void QtVocabularyDialog::SetSelectedFrequency() {
  const int row = table_->currentRow();
  if (row < 0) return;
  const std::string text = FromQString(table_->item(row, 0)->text());
  editor_.SetFrequency(text, frequency_->value());
  Refill(text);
}

void QtVocabularyDialog::Refill(const std::string& select) {
  table_->setRowCount(0);
  for (const UserVocabularyEntry& entry : editor_.Entries()) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(ToQString(entry.text)));
    table_->setItem(row, 1, new QTableWidgetItem(QString::number(entry.userFrequency)));
    if (!select.empty() && entry.text == select) table_->selectRow(row);
  }
}

}  // namespace vorelio
