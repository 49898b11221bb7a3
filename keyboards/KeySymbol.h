// The eighteen outputs that a TECLA_NORMAL key labelled "<Nenhum>" shows as
// a symbol instead of text: ten key names and eight commands in brackets
// (their names from ProgramCommands.h).
// The same outputs give a key its natural width, whatever its label.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorelio {

inline constexpr std::string_view kSymbolLabel = "<Nenhum>";

enum class KeySymbol {
  kShift,
  kUp,
  kDown,
  kLeft,
  kRight,
  kEnter,
  kBackspace,
  kTab,
  kSpace,
  kCapsLock,
  kSpeakWord,
  kSpeakSentence,
  kSpeakWorkArea,
  kSendToExternalEditor,
  kQuit,
  kToggleLogging,
  kClearWorkArea,
  kShowNextSuggestions,
};
inline constexpr int kKeySymbolCount = 18;

// The symbol of an output ("Enter", "[Limpar-Area-Trabalho]"), matched
// exactly; nothing for any other output.
std::optional<KeySymbol> SymbolOfOutput(std::string_view output);
// The output string of a symbol, commands with their brackets.
std::string OutputOf(KeySymbol symbol);
// The symbol a key shows: its output's, when the label is "<Nenhum>".
std::optional<KeySymbol> SymbolOfKey(std::string_view label, std::string_view output);

// The natural width of a key with a symbol output, for key height h: h for
// the arrows, Shift and most commands, 2h for Enter, BkSp, Tab, CapsLock and
// sending to the external editor, 5h for Space, 1.5h (truncated) for the
// three speech commands.
int SymbolKeyWidth(KeySymbol symbol, int keyHeight);

}  // namespace vorelio
