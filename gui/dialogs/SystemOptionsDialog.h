// The general options dialog ("Opções Gerais"): the installation's options
// of CSystemOptions, filled from a record and copied back on OK. The lock
// switch changes only after the right password; the priority list is
// edited through PriorityListModel. Records its opening and closing in the
// configurator records.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/RecordedDialog.h"
#include "platform/MessageBox.h"
#include "profiles/PriorityListModel.h"
#include "profiles/SystemOptions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vorelio {

struct SystemOptionsDialogServices {
  MessageBoxService& messages;
  CUserRecord* records;  // may be null
  // The password dialog: the text entered, nothing when cancelled.
  std::function<std::optional<std::string>()> askPassword;
  // The profile selection dialog: the chosen name, empty when cancelled.
  std::function<std::string()> chooseProfile;
};

class SystemOptionsDialog final : public QDialog {
 public:
  // The start profile is chosen among `profileNames`.
  SystemOptionsDialog(QWidget* parent, const CSystemOptions& options,
                      const std::vector<std::string>& profileNames,
                      SystemOptionsDialogServices services);
  ~SystemOptionsDialog() override;

  // Sets every field of the dialog into `options` (which marks it changed).
  void WriteTo(CSystemOptions& options) const;

 private:
  QWidget* MakePriorityList();
  // Shows the model's names and selection.
  void RefreshPriorityList();
  void LockSwitchClicked(bool wanted);

  SystemOptionsDialogServices services_;
  RecordedDialog record_;
  PriorityListModel priorityList_;
  std::vector<std::string> startProfiles_;
  std::vector<std::string> gpsPorts_;
  std::vector<std::string> searchModes_;
  QComboBox* startProfile_ = nullptr;
  QCheckBox* contextAdaptation_ = nullptr;
  QCheckBox* adaptOnlyOutsideContext_ = nullptr;
  QComboBox* gpsPort_ = nullptr;
  QComboBox* searchMode_ = nullptr;
  QRadioButton* server_ = nullptr;
  QRadioButton* client_ = nullptr;
  QLineEdit* serverName_ = nullptr;
  QCheckBox* clearSuggestions_ = nullptr;
  QCheckBox* changesAllowed_ = nullptr;
  QListWidget* priorityNames_ = nullptr;
};

}  // namespace vorelio
