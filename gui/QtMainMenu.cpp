#include "gui/QtMainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/QtText.h"

namespace vorelio {

QtMainMenu::QtMainMenu(QMenuBar& bar, std::function<void(MenuCommand)> run)
    : bar_(bar), run_(std::move(run)) {
  for (const Menu& menu : MainMenuTable()) Fill(*bar_.addMenu(ToQString(menu.label)), menu.items);
}

void QtMainMenu::Fill(QMenu& menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuItem::Kind::kSeparator: menu.addSeparator(); break;
      case MenuItem::Kind::kSubmenu: Fill(*menu.addMenu(ToQString(item.label)), item.items); break;
      case MenuItem::Kind::kCommand: {
        QAction* action = menu.addAction(ToQString(item.label));
        const MenuCommand command = item.command;
        QObject::connect(action, &QAction::triggered, [run = run_, command] { run(command); });
        actions_[command] = action;
        break;
      }
    }
  }
}

void QtMainMenu::ShowMenuBar(MenuBarState state) {
  // The menus by their place in the bar, as the lock has always worked.
  for (QAction* menu : bar_.actions()) menu->setEnabled(state.enabled);
  bar_.setVisible(state.visible);
}

QAction* QtMainMenu::Action(MenuCommand command) const {
  const auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

}  // namespace vorelio
