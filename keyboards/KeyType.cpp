#include "keyboards/KeyType.h"

namespace vorelio {

namespace {

struct KeyTypeNames {
  KeyType type;
  std::string_view word;
  std::string_view shown;
};

// In the order of the key dialog's type list.
constexpr KeyTypeNames kKeyTypes[kKeyTypeCount] = {
    {KeyType::kNormal, "TECLA_NORMAL", "Normal"},
    {KeyType::kPictogram, "TECLA_IMAGEM", "Pictograma"},
    {KeyType::kEmpty, "TECLA_VAZIA", "Vazia"},
    {KeyType::kWordSuggestion, "TECLA_PREDICAO", "Predi\xe7\xe3o de Palavra"},
    {KeyType::kSentenceSuggestion, "TECLA_PREDICAO_FRASE", "Predi\xe7\xe3o de Frase"},
    {KeyType::kPictogramSuggestion, "TECLA_PREDICAO_IMAGEM", "Predi\xe7\xe3o de Pictograma"},
    {KeyType::kPictogramSentenceSuggestion, "TECLA_PREDICAO_FRASE_IMAGENS",
     "Predi\xe7\xe3o de Frase com Pictogramas"},
};

const KeyTypeNames& NamesOf(KeyType type) { return kKeyTypes[static_cast<int>(type)]; }

}  // namespace

std::optional<KeyType> KeyTypeFromWord(std::string_view word) {
  for (const KeyTypeNames& names : kKeyTypes) {
    if (names.word == word) return names.type;
  }
  return std::nullopt;
}

std::string_view WordOf(KeyType type) { return NamesOf(type).word; }

std::string_view ShownNameOf(KeyType type) { return NamesOf(type).shown; }

bool IsSuggestionType(KeyType type) {
  return type == KeyType::kWordSuggestion || type == KeyType::kSentenceSuggestion ||
         type == KeyType::kPictogramSuggestion || type == KeyType::kPictogramSentenceSuggestion;
}

}  // namespace vorelio
