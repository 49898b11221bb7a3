// The main window's menu bar, filled from the menu table (app/MainMenu.h):
// each item becomes an action that passes its command on when triggered.
// It shows and hides itself as the profile asks, and the unlock key
// sequence releases it.
#pragma once

#include <functional>
#include <map>

#include "app/MainMenu.h"
#include "app/MenuCommands.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vorelio {

class QtMainMenu final : public MenuBarView {
 public:
  // Fills `bar`, which must outlive this object, with the table's menus; a
  // triggered item calls (its own copy of) `run` with its command,
  // typically MenuCommands::Run.
  QtMainMenu(QMenuBar& bar, std::function<void(MenuCommand)> run);

  // Shows or hides the bar and enables or disables every menu in it.
  void ShowMenuBar(MenuBarState state) override;
  // The unlock key sequence: every menu enabled and the bar shown.
  void Unlock() { ShowMenuBar({.visible = true, .enabled = true}); }

  // The action of a command; null for one the table does not hold.
  QAction* Action(MenuCommand command) const;

 private:
  void Fill(QMenu& menu, const std::vector<MenuItem>& items);

  QMenuBar& bar_;
  std::function<void(MenuCommand)> run_;
  std::map<MenuCommand, QAction*> actions_;  // owned by their menus
};

}  // namespace vorelio
