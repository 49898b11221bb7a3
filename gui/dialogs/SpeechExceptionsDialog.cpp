#include "gui/dialogs/SpeechExceptionsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

#include "gui/QtText.h"

namespace vorelio {

namespace {
constexpr std::string_view kTitle = "Excep\xE7\xF5" "es do Sintetizador de Fala";
}  // namespace

SpeechExceptionsDialog::SpeechExceptionsDialog(QWidget* parent,
                                               std::unique_ptr<SpeechExceptionsEditor> editor,
                                               CUserRecord* records)
    : QDialog(parent),
      record_(records, ConfiguratorDialog::kSpeechExceptions),
      editor_(std::move(editor)) {
  setWindowTitle(ToQString(kTitle));
  list_ = new QListWidget(this);
  list_->setObjectName("exceptions");
  text_ = new QLineEdit(this);
  text_->setObjectName("text");
  replacement_ = new QLineEdit(this);
  replacement_->setObjectName("replacement");
  auto* add = new QPushButton(QStringLiteral("Nova"), this);
  add->setObjectName("add");
  auto* remove = new QPushButton(QStringLiteral("Apagar"), this);
  remove->setObjectName("remove");
  auto* listen = new QPushButton(QStringLiteral("Ouvir"), this);
  listen->setObjectName("listen");
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  close->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fechar"));

  connect(add, &QPushButton::clicked, this, [this] {
    editor_->Add(FromQString(text_->text()));
    Refresh();
  });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    editor_->Select(static_cast<std::size_t>(row));
    Refresh();
  });
  connect(replacement_, &QLineEdit::textEdited, this, [this] { ReplacementEdited(); });
  connect(remove, &QPushButton::clicked, this, [this] {
    editor_->DeleteSelected();
    Refresh();
  });
  connect(listen, &QPushButton::clicked, this, [this] { editor_->Listen(); });
  connect(close, &QDialogButtonBox::rejected, this, [this] { reject(); });

  auto* textRow = new QHBoxLayout;
  textRow->addWidget(text_, 1);
  textRow->addWidget(add);
  auto* replacementRow = new QHBoxLayout;
  replacementRow->addWidget(replacement_, 1);
  replacementRow->addWidget(listen);
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Texto:"), textRow);
  fields->addRow(ToQString("Substituir por:"), replacementRow);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(remove);
  bottom->addStretch(1);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(fields);
  layout->addLayout(bottom);
  resize(460, 380);
  Refresh();
}

void SpeechExceptionsDialog::Refresh() {
  const QSignalBlocker blockList(list_);
  list_->clear();
  for (const std::string& line : editor_->Lines()) list_->addItem(ToQString(line));
  const auto selection = editor_->Selection();
  list_->setCurrentRow(selection ? static_cast<int>(*selection) : -1);
  replacement_->setText(ToQString(editor_->ReplacementField()));
}

void SpeechExceptionsDialog::ReplacementEdited() {
  const int cursor = replacement_->cursorPosition();
  editor_->EditReplacement(FromQString(replacement_->text()));
  Refresh();  // a refused replacement goes back to the one kept
  replacement_->setCursorPosition(cursor);
}

// The list would report its row while Qt deletes it, after this object's
// members are gone.
SpeechExceptionsDialog::~SpeechExceptionsDialog() { list_->disconnect(this); }

}  // namespace vorelio
