// The program's commands: what an on-screen key runs when its output is a
// command line between brackets, the command's name first and, for the one
// command that takes it, an argument after a space
// ("[Apagar-Palavra]", "[Alterar-Perfil-Utilizador generico]").
// This is the one table of their names; the symbol keys (KeySymbol.h) and
// the command table of the key dialog (app/Commands.h) both read it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorelio {

// In the order of the command table.
enum class ProgramCommand {
  kClearWorkArea,          // "Limpar-Area-Trabalho"
  kChangeUserProfile,      // "Alterar-Perfil-Utilizador", with the profile's name
  kDeleteWord,             // "Apagar-Palavra"
  kDeleteSentence,         // "Apagar-Frase"
  kShowNextSuggestions,    // "Mostrar-Predições-Seguintes"
  kSpeakWord,              // "Sintetizar-Fala-Palavra"
  kSpeakSentence,          // "Sintetizar-Fala-Frase"
  kSpeakWorkArea,          // "Sintetizar-Fala-Area-Trabalho"
  kQuit,                   // "Sair-Aplicação"
  kSpeakKeyDescription,    // "Sintetizar-Descrição-Tecla"
  kSendToExternalEditor,   // "Enviar-Mensagem-Editor_Externo"
  kToggleLogging,          // "Trocar-Modo-Logging"
};
inline constexpr int kProgramCommandCount = 12;

// The command's name, Windows-1252.
std::string_view CommandName(ProgramCommand command);
// The command with exactly this name (case-sensitive); nothing otherwise.
std::optional<ProgramCommand> CommandNamed(std::string_view name);
// True only for "Alterar-Perfil-Utilizador".
bool TakesArgument(ProgramCommand command);
// The output of a key that runs the command without argument: the name
// between brackets.
std::string CommandOutput(ProgramCommand command);

}  // namespace vorelio
