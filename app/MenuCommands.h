// MenuCommands: carries out the main window's menu commands (MainMenu.h)
// with the controller and the models. Each command is first written to the
// configurator records with its identifier, whether or not it then goes on;
// then its guards are checked, each refusing with its message (the system
// lock, then keyboard editing); then it runs, asking the person through
// ProgramDialogs, OptionDialogs and the message boxes.
//
// The commands, in short:
//   profiles   open (logs USER_PROFILE_LOAD_ + name, with the waiting
//              notice), new, remove, copy another profile's options (then
//              re-opened), the profile's options (logged opened and closed;
//              on OK the profile is re-opened with them)
//   dictionary the user words and sentences dialogs, abbreviations (saved
//              when the dialog closes), adapting from a text file or the
//              clipboard, the word prediction simulator
//   keyboards  open (logs ON_SCREEN_KEYBOARD_LOAD_ + name; it becomes the
//              profile's keyboard), remove (not the keyboard in use; logs
//              ON_REMOVE_SCREEN_KEYBOARD)
//   logging    on/off, the live event viewer, the metrics now, deleting a
//              profile's logs (the current profile is then re-opened with
//              its keyboard in use), copying them to a folder
//   records    clearing and copying the configurator records, feedback
//   options    general options, behind the password while system changes
//              are locked (logged opened and closed)
//   file       quitting
//
// The menu bar follows the profile: hidden and disabled while it locks the
// menu (BLOQUEAR_MENU). Everything runs on the user-interface thread.
#pragma once

#include <string>
#include <string_view>

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/OptionDialogs.h"
#include "app/PredarinView.h"
#include "app/ProgramDialogs.h"
#include "logging/UserRecord.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "profiles/SystemOptions.h"

namespace vorelio {

// The waiting notice while a profile loads.
inline constexpr std::string_view kLoadingProfileNotice = "A carregar perfil... Por favor aguarde.";

// The GUI's menu bar, as the commands show or hide it.
class MenuBarView {
 public:
  virtual ~MenuBarView() = default;
  virtual void ShowMenuBar(MenuBarState state) = 0;
};

// Everything the commands are lent; all of it must outlive them.
struct MenuServices {
  CPredarinView& view;
  CSystemOptions& system;
  CUserRecord& records;
  ProgramDialogs& dialogs;
  OptionDialogs& optionDialogs;
  MessageBoxService& messages;
  FileSystem& files;
  ClipboardService& clipboard;
  ClockService& clock;
  MainWindow& mainWindow;  // closed by "Sair"
  std::string dataFolder;  // the per-user data folder, ending in a separator
};

class MenuCommands {
 public:
  explicit MenuCommands(const MenuServices& services);
  // Takes the live event viewer off the log: the viewer may go before it.
  ~MenuCommands();
  MenuCommands(const MenuCommands&) = delete;
  MenuCommands& operator=(const MenuCommands&) = delete;

  // Records `commandId`, then runs its command. False for a number the
  // menu does not hold (recorded all the same: it was chosen).
  bool Run(int commandId);
  void Run(MenuCommand command) { Run(static_cast<int>(command)); }

  // The bar the commands show and hide (null: none).
  void SetMenuBar(MenuBarView* bar) { menuBar_ = bar; }
  // Shows the menu bar as the current profile asks, when the current
  // profile is another than at the last call (or `always`). The main window
  // calls it after the first profile opens and whenever a profile may have
  // been applied behind the menu's back (a key that changes the profile).
  void FollowProfile(bool always = false);

 private:
  void Execute(MenuCommand command);
  bool GuardsPass(const MenuGuards& guards);

  void OpenProfile();
  void NewProfile();
  void RemoveProfile();
  void CopyProfileOptions();
  void EditProfileOptions();
  void EditUserVocabulary(VocabularyKind kind);
  void EditAbbreviations();
  void AdaptFromTextFile();
  void AdaptFromClipboard();
  void ShowSimulator();
  void OpenKeyboard();
  void RemoveKeyboard();
  void ShowEventViewer();
  void ShowMetrics();
  void DeleteLogs();
  void CopyLogs();
  void CopyConfiguratorRecords();
  void RecordFeedback();
  void GeneralOptions();

  // Makes `name` current through the controller and follows it.
  void ReopenProfile(const std::string& name);
  // The name of the current profile; empty before one is open.
  std::string CurrentProfileName();
  // New predictions after the dictionary changed under them.
  void RefreshPredictions();

  CPredarinView& view_;
  CSystemOptions& system_;
  CUserRecord& records_;
  ProgramDialogs& dialogs_;
  OptionDialogs& optionDialogs_;
  MessageBoxService& messages_;
  FileSystem& files_;
  ClipboardService& clipboard_;
  ClockService& clock_;
  MainWindow& mainWindow_;
  const std::string dataFolder_;
  MenuBarView* menuBar_ = nullptr;
  std::string followedProfile_;
};

}  // namespace vorelio
