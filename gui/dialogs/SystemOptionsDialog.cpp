#include "gui/dialogs/SystemOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ChoiceLists.h"
#include "gui/QtText.h"

namespace vorelio {

namespace {

constexpr std::string_view kTitle = "Op\xE7\xF5" "es Gerais";
constexpr int kServerRole = 1;
constexpr int kClientRole = 0;

QComboBox* Combo(const std::vector<std::string>& words, const std::string& current,
                 const char* name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  for (const std::string& word : words) combo->addItem(ToQString(word));
  combo->setCurrentIndex(
      static_cast<int>(std::find(words.begin(), words.end(), current) - words.begin()));
  return combo;
}

QCheckBox* Check(std::string_view label, bool on, const char* name, QWidget* parent) {
  auto* box = new QCheckBox(ToQString(label), parent);
  box->setObjectName(name);
  box->setChecked(on);
  return box;
}

QPushButton* Button(std::string_view label, const char* name, QWidget* parent) {
  auto* button = new QPushButton(ToQString(label), parent);
  button->setObjectName(name);
  return button;
}

const std::string& Chosen(const std::vector<std::string>& words, const QComboBox* combo) {
  return words[static_cast<std::size_t>(combo->currentIndex())];
}

}  // namespace

SystemOptionsDialog::SystemOptionsDialog(QWidget* parent, const CSystemOptions& options,
                                         const std::vector<std::string>& profileNames,
                                         SystemOptionsDialogServices services)
    : QDialog(parent),
      services_(std::move(services)),
      record_(services_.records, ConfiguratorDialog::kSystemOptions),
      priorityList_(options.PriorityList()),
      startProfiles_(WithCurrentValue(profileNames, options.StartProfile())),
      gpsPorts_(WithCurrentValue(GpsPortChoices(), options.GpsPort())),
      searchModes_(WithCurrentValue({std::string(kBluetoothInquiry)},
                                    options.BluetoothSearchMode())) {
  setWindowTitle(ToQString(kTitle));

  startProfile_ = Combo(startProfiles_, options.StartProfile(), "startProfile", this);
  auto* start = new QGroupBox(ToQString("Perfil de Utilizador"), this);
  auto* startForm = new QFormLayout(start);
  startForm->addRow(ToQString("Perfil de Utilizador no Arranque:"), startProfile_);

  auto* context = new QGroupBox(ToQString("Adapta\xE7\xE3o ao Contexto"), this);
  contextAdaptation_ = Check("Adapta\xE7\xE3o ao Contexto:", options.ContextAdaptation(),
                             "contextAdaptation", context);
  adaptOnlyOutsideContext_ =
      Check("Apenas Adaptar Quando o Perfil Ativo Sai do Contexto:",
            options.AdaptOnlyWhenProfileLeavesContext(), "adaptOnlyOutsideContext", context);
  gpsPort_ = Combo(gpsPorts_, options.GpsPort(), "gpsPort", context);
  searchMode_ = Combo(searchModes_, options.BluetoothSearchMode(), "bluetoothSearchMode", context);
  auto* contextForm = new QFormLayout(context);
  contextForm->addRow(contextAdaptation_);
  contextForm->addRow(adaptOnlyOutsideContext_);
  contextForm->addRow(ToQString("Porta do Receptor GPS:"), gpsPort_);
  contextForm->addRow(ToQString("Procura de Etiquetas Bluetooth:"), searchMode_);
  contextForm->addRow(ToQString("Lista de Prioridades:"), MakePriorityList());

  auto* cooperation = new QGroupBox(ToQString("Comunica\xE7\xE3o Cooperativa"), this);
  server_ = new QRadioButton(ToQString("Servidor da Comunica\xE7\xE3o Cooperativa:"), cooperation);
  server_->setObjectName("server");
  client_ = new QRadioButton(ToQString("Cliente da Comunica\xE7\xE3o Cooperativa:"), cooperation);
  client_->setObjectName("client");
  (options.CooperationRole() == kServerRole ? server_ : client_)->setChecked(true);
  serverName_ = new QLineEdit(ToQString(options.CooperationServer()), cooperation);
  serverName_->setObjectName("serverName");
  serverName_->setValidator(new QRegularExpressionValidator(QRegularExpression("\\S*"), serverName_));
  auto* cooperationForm = new QFormLayout(cooperation);
  cooperationForm->addRow(server_);
  cooperationForm->addRow(client_);
  cooperationForm->addRow(ToQString("Nome do Servidor:"), serverName_);

  auto* system = new QGroupBox(ToQString("Sistema"), this);
  clearSuggestions_ = Check("Limpar Sugest\xF5" "es Ap\xF3s Selec\xE7\xE3o:",
                            options.ClearSuggestionsAfterSelection(), "clearSuggestions", system);
  changesAllowed_ = Check("Permitir Altera\xE7\xF5" "es \xE0s Configura\xE7\xF5" "es do Sistema:",
                          options.SystemChangesAllowed(), "systemChangesAllowed", system);
  connect(changesAllowed_, &QCheckBox::clicked, this,
          [this](bool wanted) { LockSwitchClicked(wanted); });
  auto* systemForm = new QVBoxLayout(system);
  systemForm->addWidget(clearSuggestions_);
  systemForm->addWidget(changesAllowed_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });

  auto* left = new QVBoxLayout;
  left->addWidget(start);
  left->addWidget(cooperation);
  left->addWidget(system);
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(context, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);
}

QWidget* SystemOptionsDialog::MakePriorityList() {
  auto* box = new QWidget(this);
  priorityNames_ = new QListWidget(box);
  priorityNames_->setObjectName("priorityList");
  auto* add = Button("Adicionar...", "priorityAdd", box);
  auto* remove = Button("Remover", "priorityRemove", box);
  auto* up = Button("Cima", "priorityUp", box);
  auto* down = Button("Baixo", "priorityDown", box);
  connect(priorityNames_, &QListWidget::currentRowChanged, this,
          [this](int row) { priorityList_.Select(row); });
  connect(add, &QPushButton::clicked, this, [this] {
    if (priorityList_.Add(services_.chooseProfile(), services_.messages)) RefreshPriorityList();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    if (priorityList_.Remove(services_.messages)) RefreshPriorityList();
  });
  connect(up, &QPushButton::clicked, this, [this] {
    if (priorityList_.MoveUp(services_.messages)) RefreshPriorityList();
  });
  connect(down, &QPushButton::clicked, this, [this] {
    if (priorityList_.MoveDown(services_.messages)) RefreshPriorityList();
  });
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {add, remove, up, down}) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(priorityNames_, 1);
  layout->addLayout(buttons);
  RefreshPriorityList();
  return box;
}

void SystemOptionsDialog::RefreshPriorityList() {
  const QSignalBlocker block(priorityNames_);
  priorityNames_->clear();
  for (const std::string& name : priorityList_.Names()) priorityNames_->addItem(ToQString(name));
  priorityNames_->setCurrentRow(priorityList_.Selection());
}

void SystemOptionsDialog::LockSwitchClicked(bool wanted) {
  {
    const QSignalBlocker block(changesAllowed_);
    changesAllowed_->setChecked(!wanted);  // unchanged until the password is right
  }
  const std::optional<std::string> entered = services_.askPassword();
  if (!entered) return;  // cancelled: nothing, silently
  if (CheckSystemPassword(*entered, services_.messages)) changesAllowed_->setChecked(wanted);
}

void SystemOptionsDialog::WriteTo(CSystemOptions& options) const {
  options.SetStartProfile(Chosen(startProfiles_, startProfile_));
  options.SetContextAdaptation(contextAdaptation_->isChecked());
  options.SetAdaptOnlyWhenProfileLeavesContext(adaptOnlyOutsideContext_->isChecked());
  options.SetGpsPort(Chosen(gpsPorts_, gpsPort_));
  options.SetBluetoothSearchMode(Chosen(searchModes_, searchMode_));
  options.SetCooperationRole(server_->isChecked() ? kServerRole : kClientRole);
  options.SetCooperationServer(FromQString(serverName_->text()));
  options.SetClearSuggestionsAfterSelection(clearSuggestions_->isChecked());
  options.SetSystemChangesAllowed(changesAllowed_->isChecked());
  options.SetPriorityList(priorityList_.Names());
}

// The list would report its row while Qt deletes it, after this object's
// members are gone.
SystemOptionsDialog::~SystemOptionsDialog() { priorityNames_->disconnect(this); }

}  // namespace vorelio
