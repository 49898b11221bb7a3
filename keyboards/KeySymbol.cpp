#include "keyboards/KeySymbol.h"

#include "keyboards/ProgramCommands.h"

namespace vorelio {

namespace {

// A symbol stands for a key name or for a command (in brackets).
struct SymbolOutput {
  KeySymbol symbol;
  std::string_view keyName;                // the key name; empty for a command
  std::optional<ProgramCommand> command;   // the command; nothing for a key name
  int halfKeyHeights;                      // natural width, in halves of the key height
};

using Command = ProgramCommand;
// In the order of the KeySymbol enumeration.
constexpr SymbolOutput kSymbolOutputs[kKeySymbolCount] = {
    {KeySymbol::kShift, "Shift", {}, 2},
    {KeySymbol::kUp, "Cima", {}, 2},
    {KeySymbol::kDown, "Baixo", {}, 2},
    {KeySymbol::kLeft, "Esquerda", {}, 2},
    {KeySymbol::kRight, "Direita", {}, 2},
    {KeySymbol::kEnter, "Enter", {}, 4},
    {KeySymbol::kBackspace, "BkSp", {}, 4},
    {KeySymbol::kTab, "Tab", {}, 4},
    {KeySymbol::kSpace, "Space", {}, 10},
    {KeySymbol::kCapsLock, "CapsLock", {}, 4},
    {KeySymbol::kSpeakWord, {}, Command::kSpeakWord, 3},
    {KeySymbol::kSpeakSentence, {}, Command::kSpeakSentence, 3},
    {KeySymbol::kSpeakWorkArea, {}, Command::kSpeakWorkArea, 3},
    {KeySymbol::kSendToExternalEditor, {}, Command::kSendToExternalEditor, 4},
    {KeySymbol::kQuit, {}, Command::kQuit, 2},
    {KeySymbol::kToggleLogging, {}, Command::kToggleLogging, 2},
    {KeySymbol::kClearWorkArea, {}, Command::kClearWorkArea, 2},
    {KeySymbol::kShowNextSuggestions, {}, Command::kShowNextSuggestions, 2},
};

// "[name]" without building it.
bool IsCommandOutput(std::string_view output, ProgramCommand command) {
  const std::string_view name = CommandName(command);
  return output.size() == name.size() + 2 && output.front() == '[' && output.back() == ']' &&
         output.substr(1, name.size()) == name;
}

bool Matches(const SymbolOutput& entry, std::string_view output) {
  return entry.command ? IsCommandOutput(output, *entry.command) : entry.keyName == output;
}

}  // namespace

std::optional<KeySymbol> SymbolOfOutput(std::string_view output) {
  for (const SymbolOutput& entry : kSymbolOutputs) {
    if (Matches(entry, output)) return entry.symbol;
  }
  return std::nullopt;
}

std::string OutputOf(KeySymbol symbol) {
  const SymbolOutput& entry = kSymbolOutputs[static_cast<int>(symbol)];
  return entry.command ? CommandOutput(*entry.command) : std::string(entry.keyName);
}

std::optional<KeySymbol> SymbolOfKey(std::string_view label, std::string_view output) {
  if (label != kSymbolLabel) return std::nullopt;
  return SymbolOfOutput(output);
}

int SymbolKeyWidth(KeySymbol symbol, int keyHeight) {
  return kSymbolOutputs[static_cast<int>(symbol)].halfKeyHeights * keyHeight / 2;
}

}  // namespace vorelio
