#include "keyboards/KeySymbol.h"

namespace vorelio {

namespace {

struct SymbolOutput {
  KeySymbol symbol;
  std::string_view output;
  int halfKeyHeights;  // natural width, in halves of the key height
};

// In the order of the KeySymbol enumeration.
constexpr SymbolOutput kSymbolOutputs[kKeySymbolCount] = {
    {KeySymbol::kShift, "Shift", 2},
    {KeySymbol::kUp, "Cima", 2},
    {KeySymbol::kDown, "Baixo", 2},
    {KeySymbol::kLeft, "Esquerda", 2},
    {KeySymbol::kRight, "Direita", 2},
    {KeySymbol::kEnter, "Enter", 4},
    {KeySymbol::kBackspace, "BkSp", 4},
    {KeySymbol::kTab, "Tab", 4},
    {KeySymbol::kSpace, "Space", 10},
    {KeySymbol::kCapsLock, "CapsLock", 4},
    {KeySymbol::kSpeakWord, "[Sintetizar-Fala-Palavra]", 3},
    {KeySymbol::kSpeakSentence, "[Sintetizar-Fala-Frase]", 3},
    {KeySymbol::kSpeakWorkArea, "[Sintetizar-Fala-Area-Trabalho]", 3},
    {KeySymbol::kSendToExternalEditor, "[Enviar-Mensagem-Editor_Externo]", 4},
    {KeySymbol::kQuit, "[Sair-Aplica\xe7\xe3o]", 2},
    {KeySymbol::kToggleLogging, "[Trocar-Modo-Logging]", 2},
    {KeySymbol::kClearWorkArea, "[Limpar-Area-Trabalho]", 2},
    {KeySymbol::kShowNextSuggestions, "[Mostrar-Predi\xe7\xf5" "es-Seguintes]", 2},
};

}  // namespace

std::optional<KeySymbol> SymbolOfOutput(std::string_view output) {
  for (const SymbolOutput& entry : kSymbolOutputs) {
    if (entry.output == output) return entry.symbol;
  }
  return std::nullopt;
}

std::string_view OutputOf(KeySymbol symbol) {
  return kSymbolOutputs[static_cast<int>(symbol)].output;
}

std::optional<KeySymbol> SymbolOfKey(std::string_view label, std::string_view output) {
  if (label != kSymbolLabel) return std::nullopt;
  return SymbolOfOutput(output);
}

int SymbolKeyWidth(KeySymbol symbol, int keyHeight) {
  return kSymbolOutputs[static_cast<int>(symbol)].halfKeyHeights * keyHeight / 2;
}

}  // namespace vorelio
