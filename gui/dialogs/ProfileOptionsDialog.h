// The profile options dialog ("Opções do Perfil"): a list of pages on the
// left (ProfileOptionPages), the chosen page's options on the right,
// scrolled when long. The speech page also opens the exceptions of the
// chosen voice. The dialog and each page shown record their opening and
// closing in the configurator records.
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/OptionDialogs.h"
#include "app/RecordedDialog.h"
#include "gui/dialogs/OptionFieldEditor.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "speech/SpeechEngine.h"

class QListWidget;
class QStackedWidget;

namespace vorelio {

// What the speech page's exceptions button needs; all must outlive the
// dialog. `records` may be null.
struct OptionDialogServices {
  SpeechEngine& engine;
  FileSystem& files;
  MessageBoxService& messages;
  CUserRecord* records;
};

class ProfileOptionsDialog final : public QDialog {
 public:
  // The editors show `options`, which the dialog does not keep.
  ProfileOptionsDialog(QWidget* parent, std::string_view profileName,
                       const UserProfileOptions& options, ProfileOptionChoices choices,
                       OptionDialogServices services);
  ~ProfileOptionsDialog() override;

  // Writes into `options` the values the person changed (a value left as
  // shown is not written back, so a stored value outside what a page
  // offers is kept). Numbers are held to the key table's bounds.
  void WriteChangedValues(UserProfileOptions& options) const;

  // Shows the page of index `page` of ProfileOptionPages().
  void ShowPage(int page);

  // OK: refuses, telling the person and showing the page, a weekday's
  // intervals that are not a list of "hh:mm-hh:mm".
  void accept() override;

 private:
  struct Field {
    const UserProfileOptionKey* option;
    const ProfileOptionField* row;
    int page;
    OptionFieldEditor editor;
    std::string shown;  // the value as the editor first showed it
  };

  QWidget* MakePage(int page, const UserProfileOptions& options);
  void OpenSpeechExceptions();
  void PageChanged(int page);

  const ProfileOptionChoices choices_;
  const OptionDialogServices services_;
  RecordedDialog record_;
  std::optional<RecordedDialog> pageRecord_;
  std::vector<Field> fields_;
  QListWidget* pageList_ = nullptr;
  QStackedWidget* pages_ = nullptr;
};

}  // namespace vorelio
