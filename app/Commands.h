// CCommands: the program's command table as the key dialog offers it (the
// command names, which take an argument and its possible values), and the
// reading of a key's command line. The names themselves are those of
// keyboards/ProgramCommands.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboards/ProgramCommands.h"

namespace vorelio {

class CUserProfileSet;

// A command line read: the command and its argument (empty when the command
// takes none or none was given).
struct CommandLine {
  ProgramCommand command = ProgramCommand::kClearWorkArea;
  std::string argument;

  bool operator==(const CommandLine&) const = default;
};

// Splits a key's command line (what stands between its brackets) at white
// space: the first word names the command, exactly as the table writes it;
// for the command that takes an argument the second word is the argument,
// and any word after it is ignored; a command without one ignores every
// word after its name. Nothing when the line is empty or the first word
// names no command.
std::optional<CommandLine> ParseCommandLine(std::string_view line);

// True when a key with this output runs `command` (the output, without
// blanks around it, is a command line in brackets naming it).
bool RunsCommand(std::string_view keyOutput, ProgramCommand command);

class CCommands {
 public:
  // Clears `names`, then adds the twelve command names in table order.
  void GetCommandNames(std::vector<std::string>& names) const;
  // True only for "Alterar-Perfil-Utilizador"; false for a name that is
  // not a command.
  bool HasArgument(std::string_view commandName) const;
  // Clears `values`; for "Alterar-Perfil-Utilizador" with `flag` 0, adds the
  // names of the bound profile set's profiles ("generico" first). Any other
  // command or flag, or no profile set bound, leaves it empty.
  void GetArgumentValues(std::string_view commandName, int flag,
                         std::vector<std::string>& values) const;
  // Binds the table to a profile set (null unbinds it). The set must outlive
  // the binding.
  void SetProfileSet(const CUserProfileSet* profiles) { profiles_ = profiles; }

 private:
  const CUserProfileSet* profiles_ = nullptr;
};

}  // namespace vorelio
