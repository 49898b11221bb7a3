#include "gui/dialogs/SystemOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <deque>
#include <tuple>

#include "OptionDialogsTestSupport.h"
#include "gui/QtText.h"
#include "gui/dialogs/PasswordDialog.h"

namespace vorelio {
namespace {

using testing::CountRecords;
using testing::RowTexts;
using testing::WhenShown;

constexpr const char* kRightPassword = "$TolvameX4$";
const std::vector<std::string> kProfiles = {"ana", "generico", "rui"};

class SystemOptionsDialogTest : public testing::OptionDialogsTest {
 protected:
  // A dialog whose password and profile choices come from the queues.
  std::unique_ptr<SystemOptionsDialog> Open(const CSystemOptions& options) {
    return std::make_unique<SystemOptionsDialog>(
        nullptr, options, kProfiles,
        SystemOptionsDialogServices{.messages = messages,
                                    .records = &records,
                                    .askPassword = [this]() -> std::optional<std::string> {
                                      auto answer = passwords.front();
                                      passwords.pop_front();
                                      return answer;
                                    },
                                    .chooseProfile = [this] {
                                      auto name = chosen.front();
                                      chosen.pop_front();
                                      return name;
                                    }});
  }

  std::deque<std::optional<std::string>> passwords;
  std::deque<std::string> chosen;
};

TEST_F(SystemOptionsDialogTest, ShowsTheOptionsAndCopiesEveryFieldBack) {
  CSystemOptions options;
  options.SetPriorityList({"rui", "ana"});
  options.SetCooperationServer("sala1");
  const auto dialog = Open(options);
  EXPECT_EQ(dialog->findChild<QComboBox*>("startProfile")->currentText(), "generico");
  EXPECT_TRUE(dialog->findChild<QRadioButton*>("client")->isChecked());
  EXPECT_EQ(RowTexts(*dialog->findChild<QListWidget*>("priorityList")),
            (std::vector<std::string>{"rui", "ana"}));

  dialog->findChild<QComboBox*>("startProfile")->setCurrentText("rui");
  dialog->findChild<QComboBox*>("gpsPort")->setCurrentText("com17");
  dialog->findChild<QComboBox*>("bluetoothSearchMode")->setCurrentText(ToQString("Inqu\xE9rito"));
  dialog->findChild<QCheckBox*>("contextAdaptation")->setChecked(true);
  dialog->findChild<QCheckBox*>("adaptOnlyOutsideContext")->setChecked(true);
  dialog->findChild<QCheckBox*>("clearSuggestions")->setChecked(false);
  dialog->findChild<QRadioButton*>("server")->setChecked(true);
  dialog->findChild<QLineEdit*>("serverName")->setText("sala2");
  dialog->findChild<QListWidget*>("priorityList")->setCurrentRow(1);
  dialog->findChild<QPushButton*>("priorityUp")->click();

  CSystemOptions written;
  dialog->WriteTo(written);
  EXPECT_TRUE(written.Changed());
  EXPECT_EQ(std::tuple(written.StartProfile(), written.GpsPort(), written.BluetoothSearchMode(),
                       written.CooperationServer(), written.CooperationRole()),
            std::tuple("rui", "com17", "Inqu\xE9rito", "sala2", 1));
  EXPECT_EQ(std::tuple(written.ContextAdaptation(), written.AdaptOnlyWhenProfileLeavesContext(),
                       written.ClearSuggestionsAfterSelection(), written.SystemChangesAllowed()),
            std::tuple(true, true, false, true));
  EXPECT_EQ(written.PriorityList(), (std::vector<std::string>{"ana", "rui"}));
}

TEST_F(SystemOptionsDialogTest, AStoredValueOutsideTheListsIsKept) {
  CSystemOptions options;
  options.SetGpsPort("/dev/ttyUSB0");
  options.SetStartProfile("apagado");
  const auto dialog = Open(options);
  CSystemOptions written;
  dialog->WriteTo(written);
  EXPECT_EQ(written.GpsPort(), "/dev/ttyUSB0");
  EXPECT_EQ(written.StartProfile(), "apagado");
  EXPECT_EQ(written.BluetoothSearchMode(), "") << "the default: no mechanism chosen";
}

TEST_F(SystemOptionsDialogTest, ThePriorityListRefusesADuplicateAndWantsASelection) {
  CSystemOptions options;
  options.SetPriorityList({"ana"});
  const auto dialog = Open(options);
  auto* list = dialog->findChild<QListWidget*>("priorityList");
  chosen = {"ana", "rui", ""};
  dialog->findChild<QPushButton*>("priorityAdd")->click();
  dialog->findChild<QPushButton*>("priorityAdd")->click();
  dialog->findChild<QPushButton*>("priorityAdd")->click();  // cancelled
  EXPECT_EQ(RowTexts(*list), (std::vector<std::string>{"ana", "rui"}));
  list->setCurrentRow(-1);
  dialog->findChild<QPushButton*>("priorityDown")->click();
  EXPECT_EQ(messages.messages,
            (std::vector<std::string>{"Esse perfil de utilizador j\xE1 se encontra na lista! ",
                                      "Seleccione primeiro um perfil de utilizador."}));
  list->setCurrentRow(0);
  messages.answers = {true};
  dialog->findChild<QPushButton*>("priorityRemove")->click();
  EXPECT_EQ(messages.questions, std::vector<std::string>{"Quer mesmo retirar o perfil ana da lista?"});
  EXPECT_EQ(RowTexts(*list), std::vector<std::string>{"rui"});
  EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(SystemOptionsDialogTest, TheLockSwitchChangesOnlyWithTheRightPassword) {
  const auto dialog = Open(CSystemOptions());
  auto* allowed = dialog->findChild<QCheckBox*>("systemChangesAllowed");
  passwords = {std::nullopt, "$tolvamex4$", kRightPassword, kRightPassword};
  allowed->click();  // cancelled: silently nothing
  EXPECT_TRUE(allowed->isChecked());
  EXPECT_TRUE(messages.messages.empty());
  allowed->click();  // wrong case
  EXPECT_TRUE(allowed->isChecked());
  EXPECT_EQ(messages.messages, std::vector<std::string>{"Senha incorrecta!"});
  allowed->click();
  EXPECT_FALSE(allowed->isChecked());
  allowed->click();  // back on, again with the password
  EXPECT_TRUE(allowed->isChecked());
  EXPECT_TRUE(passwords.empty());
}

TEST_F(SystemOptionsDialogTest, OkSetsTheOptionsCancelChangesNothingAndBothAreRecorded) {
  QtOptionDialogs dialogs(nullptr, Services());
  CSystemOptions options;
  WhenShown<SystemOptionsDialog>([](SystemOptionsDialog& dialog) {
    dialog.findChild<QComboBox*>("gpsPort")->setCurrentText("com3");
    dialog.reject();
  });
  EXPECT_FALSE(dialogs.EditSystemOptions(options, kProfiles));
  EXPECT_FALSE(options.Changed());
  EXPECT_EQ(options.GpsPort(), "com1");

  WhenShown<SystemOptionsDialog>([](SystemOptionsDialog& dialog) {
    dialog.findChild<QComboBox*>("gpsPort")->setCurrentText("com3");
    dialog.accept();
  });
  EXPECT_TRUE(dialogs.EditSystemOptions(options, kProfiles));
  EXPECT_TRUE(options.Changed());
  EXPECT_EQ(options.GpsPort(), "com3");
  const std::string recorded = Records();
  EXPECT_EQ(CountRecords(recorded, static_cast<int>(ConfiguratorDialog::kSystemOptions)), 2);
  EXPECT_EQ(CountRecords(recorded, static_cast<int>(ConfiguratorDialog::kSystemPassword)), 0);
}

TEST_F(SystemOptionsDialogTest, ThePasswordDialogIsMaskedAndGivesTheTextOrNothing) {
  QtOptionDialogs dialogs(nullptr, Services());
  WhenShown<PasswordDialog>([](PasswordDialog& dialog) {
    auto* field = dialog.findChild<QLineEdit*>("password");
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    field->setText(ToQString("$Tolv\xE3meX4$"));
    dialog.accept();
  });
  EXPECT_EQ(dialogs.AskSystemPassword(), std::optional<std::string>("$Tolv\xE3meX4$"));
  WhenShown<PasswordDialog>([](PasswordDialog& dialog) {
    dialog.findChild<QLineEdit*>("password")->setText(kRightPassword);
    dialog.reject();
  });
  EXPECT_EQ(dialogs.AskSystemPassword(), std::nullopt);
  EXPECT_EQ(CountRecords(Records(), static_cast<int>(ConfiguratorDialog::kSystemPassword)), 2);
}

}  // namespace
}  // namespace vorelio
