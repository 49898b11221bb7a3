#include "keyboards/ProgramCommands.h"

#include <array>

namespace vorelio {

namespace {

struct CommandEntry {
  ProgramCommand command;
  std::string_view name;
  bool takesArgument;
};

using C = ProgramCommand;
constexpr std::array<CommandEntry, kProgramCommandCount> kCommands = {{
    {C::kClearWorkArea, "Limpar-Area-Trabalho", false},
    {C::kChangeUserProfile, "Alterar-Perfil-Utilizador", true},
    {C::kDeleteWord, "Apagar-Palavra", false},
    {C::kDeleteSentence, "Apagar-Frase", false},
    {C::kShowNextSuggestions, "Mostrar-Predi\xe7\xf5" "es-Seguintes", false},
    {C::kSpeakWord, "Sintetizar-Fala-Palavra", false},
    {C::kSpeakSentence, "Sintetizar-Fala-Frase", false},
    {C::kSpeakWorkArea, "Sintetizar-Fala-Area-Trabalho", false},
    {C::kQuit, "Sair-Aplica\xe7\xe3o", false},
    {C::kSpeakKeyDescription, "Sintetizar-Descri\xe7\xe3o-Tecla", false},
    {C::kSendToExternalEditor, "Enviar-Mensagem-Editor_Externo", false},
    {C::kToggleLogging, "Trocar-Modo-Logging", false},
}};

constexpr bool EveryCommandInItsPlace() {
  for (std::size_t i = 0; i < kCommands.size(); ++i)
    if (static_cast<std::size_t>(kCommands[i].command) != i || kCommands[i].name.empty())
      return false;
  return true;
}
static_assert(EveryCommandInItsPlace(), "one entry per command, in the order of the enumeration");

const CommandEntry& EntryOf(ProgramCommand command) {
  return kCommands.at(static_cast<std::size_t>(command));
}

}  // namespace

std::string_view CommandName(ProgramCommand command) { return EntryOf(command).name; }

std::optional<ProgramCommand> CommandNamed(std::string_view name) {
  for (const CommandEntry& entry : kCommands)
    if (entry.name == name) return entry.command;
  return std::nullopt;
}

bool TakesArgument(ProgramCommand command) { return EntryOf(command).takesArgument; }

std::string CommandOutput(ProgramCommand command) {
  return "[" + std::string(CommandName(command)) + "]";
}

}  // namespace vorelio
