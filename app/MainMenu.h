// The main window's menu as one table: the menus, their items with the
// Portuguese labels (Windows-1252, "&" before the mnemonic letter), the
// command each item runs and the guards that command checks first. The GUI
// builds its menu bar from it; MenuCommands runs the commands.
//
// Command identifiers are stable numbers: the configurator records write
// them, so a number, once given, is never reused for another command.
#pragma once

#include <string>
#include <vector>

#include "profiles/UserProfileOptions.h"

namespace vorelio {

enum class MenuCommand : int {
  // File
  kQuit = 109,
  // Profiles
  kOpenProfile = 201,
  kNewProfile = 202,
  kRemoveProfile = 203,
  kCopyProfileOptions = 204,
  kProfileOptions = 205,
  // Dictionary
  kEditUserWords = 301,
  kEditUserSentences = 302,
  kEditAbbreviations = 303,
  kAdaptFromTextFile = 304,
  kAdaptFromClipboard = 305,
  kWordPredictionSimulator = 306,
  // Keyboards
  kOpenKeyboard = 401,
  kRemoveKeyboard = 402,
  // Logging and records
  kToggleLogging = 501,
  kShowEventViewer = 502,
  kShowMetrics = 503,
  kDeleteLogs = 504,
  kCopyLogs = 505,
  kClearConfiguratorRecords = 511,
  kCopyConfiguratorRecords = 512,
  kConfiguratorFeedback = 513,
  // Options
  kGeneralOptions = 601,
};

// What a command checks before it does anything, in this order; each
// refuses with its own message.
struct MenuGuards {
  bool systemLock = false;       // refused while system changes are locked
  bool keyboardEditing = false;  // refused while an on-screen keyboard is edited
};

struct MenuItem {
  enum class Kind { kCommand, kSeparator, kSubmenu };
  Kind kind = Kind::kCommand;
  std::string label;            // empty for a separator
  MenuCommand command{};        // a command item's
  MenuGuards guards;            // a command item's
  std::vector<MenuItem> items;  // a submenu's
};

struct Menu {
  std::string label;
  std::vector<MenuItem> items;
};

// The menu bar, left to right.
const std::vector<Menu>& MainMenuTable();
// The item that runs `command`; null for a number the table does not hold.
const MenuItem* FindMenuItem(int commandId);
// Every command item of the table, in menu order (submenus included).
std::vector<const MenuItem*> AllMenuCommandItems();

// How the menu bar shows for a profile: hidden and disabled while the
// profile locks the menu (BLOQUEAR_MENU); hidden with its items enabled
// while the profile hides the window's bars (MOSTRAR_BARRAS_JANELA 0). The
// unlock key sequence shows and enables it either way.
struct MenuBarState {
  bool visible = true;
  bool enabled = true;
  bool operator==(const MenuBarState&) const = default;
};
MenuBarState MenuBarStateOf(const UserProfileOptions& options);

}  // namespace vorelio
