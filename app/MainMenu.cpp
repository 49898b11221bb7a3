#include "app/MainMenu.h"

namespace vorelio {
namespace {

constexpr MenuGuards kNone{};
constexpr MenuGuards kLock{.systemLock = true};
constexpr MenuGuards kEditing{.keyboardEditing = true};
constexpr MenuGuards kLockAndEditing{.systemLock = true, .keyboardEditing = true};

MenuItem Command(const char* label, MenuCommand command, MenuGuards guards = kNone) {
  return {MenuItem::Kind::kCommand, label, command, guards, {}};
}
MenuItem Separator() { return {MenuItem::Kind::kSeparator, {}, {}, {}, {}}; }
MenuItem Submenu(const char* label, std::vector<MenuItem> items) {
  return {MenuItem::Kind::kSubmenu, label, {}, {}, std::move(items)};
}

std::vector<Menu> BuildTable() {
  using C = MenuCommand;
  return {
      {"&Ficheiro",
       {Command("&Sair", C::kQuit)}},
      {"&Perfil",
       {Command("&Abrir Perfil...", C::kOpenProfile, kEditing),
        Command("&Novo Perfil...", C::kNewProfile, kLockAndEditing),
        Command("&Remover Perfil...", C::kRemoveProfile),
        Command("&Copiar Op\xE7\xF5" "es de Outro Perfil...", C::kCopyProfileOptions),
        Separator(),
        Command("&Op\xE7\xF5" "es do Perfil...", C::kProfileOptions, kLock)}},
      {"&Dicion\xE1rio",
       {Command("&Palavras e Pictogramas...", C::kEditUserWords, kLock),
        Command("&Frases e Sequ\xEAncias de Palavras e Pictogramas...", C::kEditUserSentences,
                kLock),
        Command("A&breviaturas...", C::kEditAbbreviations, kLock),
        Separator(),
        Submenu("&Adaptar ao Utilizador",
                {Command("A Partir de um &Ficheiro de Texto...", C::kAdaptFromTextFile, kLock),
                 Command("A Partir da \xC1rea de &Transfer\xEAncia", C::kAdaptFromClipboard,
                         kLock)}),
        Separator(),
        Command("&Simulador de Predi\xE7\xE3o de Palavras...", C::kWordPredictionSimulator)}},
      {"&Teclado",
       {Command("&Abrir Teclado...", C::kOpenKeyboard),
        Command("&Remover Teclado...", C::kRemoveKeyboard, kLock)}},
      {"&Registo",
       {Command("&Ligar ou Desligar o Registo de Eventos", C::kToggleLogging),
        Command("&Ver Registo de Eventos...", C::kShowEventViewer),
        Command("&M\xE9tricas...", C::kShowMetrics),
        Separator(),
        Command("Limpar &Registo de Eventos...", C::kDeleteLogs, kLock),
        Command("&Copiar Registo de Eventos...", C::kCopyLogs),
        Separator(),
        Submenu("Registos do C&onfigurador",
                {Command("&Limpar Registo", C::kClearConfiguratorRecords, kLock),
                 Command("&Copiar Registo...", C::kCopyConfiguratorRecords),
                 Command("&Dar Opini\xE3o...", C::kConfiguratorFeedback)})}},
      {"&Op\xE7\xF5" "es", {Command("Op\xE7\xF5" "es &Gerais...", C::kGeneralOptions)}},
  };
}

void CollectCommands(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& found) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::kCommand) found.push_back(&item);
    if (item.kind == MenuItem::Kind::kSubmenu) CollectCommands(item.items, found);
  }
}

}  // namespace

const std::vector<Menu>& MainMenuTable() {
  static const std::vector<Menu> table = BuildTable();
  return table;
}

std::vector<const MenuItem*> AllMenuCommandItems() {
  std::vector<const MenuItem*> found;
  for (const Menu& menu : MainMenuTable()) CollectCommands(menu.items, found);
  return found;
}

const MenuItem* FindMenuItem(int commandId) {
  for (const MenuItem* item : AllMenuCommandItems()) {
    if (static_cast<int>(item->command) == commandId) return item;
  }
  return nullptr;
}

MenuBarState MenuBarStateOf(const UserProfileOptions& options) {
  if (options.lockMenu != 0) return {.visible = false, .enabled = false};
  return {.visible = options.showWindowBars != 0, .enabled = true};
}

}  // namespace vorelio
