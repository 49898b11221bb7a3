#include "gui/dialogs/ProfileOptionsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

#include "gui/QtText.h"
#include "gui/dialogs/SpeechExceptionsDialog.h"
#include "speech/SpeechExceptionsEditor.h"

namespace vorelio {

namespace {

constexpr std::string_view kTitle = "Op\xE7\xF5" "es do Perfil ";
constexpr std::string_view kExceptionsButton =
    "Configurar Excep\xE7\xF5" "es na S\xEDntese de Fala...";
// Around the weekday's name.
constexpr std::string_view kBadIntervalsStart = "Os intervalos de tempo de ";
constexpr std::string_view kBadIntervalsEnd =
    " n\xE3o s\xE3o v\xE1lidos. Escreva cada intervalo como 08:30-12:00, separando-os com "
    "\";\".";

// Room for the longest page title and for the longest page without
// scrolling sideways.
constexpr int kPageListMargin = 8;
constexpr int kInitialWidth = 940;
constexpr int kInitialHeight = 600;
constexpr double kHeadingScale = 1.2;

}  // namespace

ProfileOptionsDialog::ProfileOptionsDialog(QWidget* parent, std::string_view profileName,
                                           const UserProfileOptions& options,
                                           ProfileOptionChoices choices,
                                           OptionDialogServices services)
    : QDialog(parent),
      choices_(std::move(choices)),
      services_(services),
      record_(services.records, ConfiguratorDialog::kProfileOptions) {
  setWindowTitle(ToQString(std::string(kTitle) + std::string(profileName)));
  pageList_ = new QListWidget(this);
  pageList_->setSpacing(2);
  pages_ = new QStackedWidget(this);
  const auto pageTable = ProfileOptionPages();
  for (int page = 0; page < static_cast<int>(pageTable.size()); ++page) {
    pageList_->addItem(ToQString(pageTable[static_cast<std::size_t>(page)].title));
    pages_->addWidget(MakePage(page, options));
  }
  pageList_->setFixedWidth(pageList_->sizeHintForColumn(0) + 2 * pageList_->frameWidth() +
                          kPageListMargin);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
  connect(pageList_, &QListWidget::currentRowChanged, this, [this](int page) { PageChanged(page); });

  auto* body = new QHBoxLayout;
  body->addWidget(pageList_);
  body->addWidget(pages_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);
  pageList_->setCurrentRow(0);
  resize(kInitialWidth, kInitialHeight);
}

QWidget* ProfileOptionsDialog::MakePage(int page, const UserProfileOptions& options) {
  const ProfileOptionPage& table = ProfileOptionPages()[static_cast<std::size_t>(page)];
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  auto* content = new QWidget;
  auto* form = new QFormLayout(content);
  form->setRowWrapPolicy(QFormLayout::DontWrapRows);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  auto* heading = new QLabel(ToQString(table.title), content);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * kHeadingScale);
  heading->setFont(bold);
  form->addRow(heading);
  for (const ProfileOptionField& row : table.fields) {
    const UserProfileOptionKey* option = FindUserProfileOptionKey(row.key);
    if (option == nullptr) continue;  // the page table's test keeps this from happening
    OptionFieldEditor editor = MakeOptionFieldEditor(row, *option, options, choices_, content);
    if (row.editor == OptionEditor::kSwitch) {
      static_cast<QAbstractButton*>(editor.widget)->setText(ToQString(row.label));
      form->addRow(editor.widget);
    } else {
      form->addRow(ToQString(row.label), editor.widget);
    }
    const std::string shown = editor.value();
    fields_.push_back({option, &row, page, std::move(editor), shown});
  }
  if (table.title == kSpeechPageTitle) {
    auto* button = new QPushButton(ToQString(kExceptionsButton), content);
    button->setObjectName("speechExceptions");
    connect(button, &QPushButton::clicked, this, [this] { OpenSpeechExceptions(); });
    auto* row = new QHBoxLayout;
    row->addWidget(button);
    row->addStretch(1);
    form->addRow(row);
  }
  scroll->setWidget(content);
  return scroll;
}

void ProfileOptionsDialog::PageChanged(int page) {
  if (page < 0) return;
  pages_->setCurrentIndex(page);
  pageRecord_.reset();  // the page left closes before the next opens
  pageRecord_.emplace(services_.records,
                      ProfileOptionPages()[static_cast<std::size_t>(page)].dialogId);
}

void ProfileOptionsDialog::ShowPage(int page) { pageList_->setCurrentRow(page); }

void ProfileOptionsDialog::OpenSpeechExceptions() {
  std::string voice;
  for (const Field& field : fields_)
    if (field.row->editor == OptionEditor::kVoice) voice = field.editor.value();
  std::unique_ptr<SpeechExceptionsEditor> editor = SpeechExceptionsEditor::Open(
      services_.engine, services_.files, choices_.dataFolder, services_.messages, voice);
  if (editor == nullptr) return;
  SpeechExceptionsDialog dialog(this, std::move(editor), services_.records);
  dialog.exec();
}

void ProfileOptionsDialog::accept() {
  for (const Field& field : fields_) {
    if (field.row->editor != OptionEditor::kTimeIntervals) continue;
    if (IsTimeIntervalList(field.editor.value())) continue;
    ShowPage(field.page);
    field.editor.widget->setFocus();
    const std::string_view day = field.row->label.substr(0, field.row->label.size() - 1);  // no ":"
    services_.messages.ShowMessage(std::string(kBadIntervalsStart) + std::string(day) +
                                   std::string(kBadIntervalsEnd));
    return;
  }
  QDialog::accept();
}

void ProfileOptionsDialog::WriteChangedValues(UserProfileOptions& options) const {
  for (const Field& field : fields_) {
    const std::string value = field.editor.value();
    if (value != field.shown) ParseOptionValue(options, *field.option, value);
  }
}

// The list would report its row while Qt deletes it, after this object's
// members are gone.
ProfileOptionsDialog::~ProfileOptionsDialog() { pageList_->disconnect(this); }

}  // namespace vorelio
