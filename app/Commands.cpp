#include "app/Commands.h"

#include "common/Text.h"
#include "keyboards/KeyOutput.h"
#include "profiles/UserProfileSet.h"

namespace vorelio {

std::optional<CommandLine> ParseCommandLine(std::string_view line) {
  const std::vector<std::string> words = Split(line, kWhiteSpace);
  if (words.empty()) return std::nullopt;
  const std::optional<ProgramCommand> command = CommandNamed(words[0]);
  if (!command) return std::nullopt;
  CommandLine parsed{*command, {}};
  if (TakesArgument(*command) && words.size() > 1) parsed.argument = words[1];
  return parsed;
}

bool RunsCommand(std::string_view keyOutput, ProgramCommand command) {
  const KeyOutput output = ClassifyKeyOutput(keyOutput);
  if (output.kind != KeyOutputKind::kCommand) return false;
  const std::optional<CommandLine> parsed = ParseCommandLine(output.value);
  return parsed && parsed->command == command;
}

void CCommands::GetCommandNames(std::vector<std::string>& names) const {
  names.clear();
  for (int i = 0; i < kProgramCommandCount; ++i)
    names.emplace_back(CommandName(static_cast<ProgramCommand>(i)));
}

bool CCommands::HasArgument(std::string_view commandName) const {
  const std::optional<ProgramCommand> command = CommandNamed(commandName);
  return command && TakesArgument(*command);
}

void CCommands::GetArgumentValues(std::string_view commandName, int flag,
                                  std::vector<std::string>& values) const {
  values.clear();
  if (flag != 0 || profiles_ == nullptr) return;
  if (CommandNamed(commandName) != ProgramCommand::kChangeUserProfile) return;
  values = profiles_->Names();
}

}  // namespace vorelio
