#include "PredictOptionKeys.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "common/Scanner.h"

namespace vorelio {

namespace {

struct IntegerKey {
  std::string_view key;
  int32_t PredictionOptions::*field;
};

// Sorted by key.
constexpr std::array kIntegerKeys = {
    IntegerKey{"ADAPTACAO_UTILIZADOR", &PredictionOptions::userAdaptation},
    IntegerKey{"COEFICIENTE_CLASSE_PALAVRA", &PredictionOptions::wordClassCoefficient},
    IntegerKey{"COEFICIENTE_FREQUENCIA_PALAVRA", &PredictionOptions::wordFrequencyCoefficient},
    IntegerKey{"COEFICIENTE_FREQUENCIA_PALAVRA_UTILIZADOR",
               &PredictionOptions::userWordFrequencyCoefficient},
    IntegerKey{"COEFICIENTE_FREQUENCIA_PAR_PALAVRAS", &PredictionOptions::wordPairCoefficient},
    IntegerKey{"COEFICIENTE_FREQUENCIA_PAR_PALAVRAS_UTILIZADOR",
               &PredictionOptions::userWordPairCoefficient},
    IntegerKey{"NUMERO_MAXIMO_FRASES_IMAGENS_PREDITAS",
               &PredictionOptions::maxPictogramSentenceSuggestions},
    IntegerKey{"NUMERO_MAXIMO_FRASES_PREDITAS", &PredictionOptions::maxSentenceSuggestions},
    IntegerKey{"NUMERO_MAXIMO_IMAGENS_PREDITAS", &PredictionOptions::maxPictogramSuggestions},
    IntegerKey{"NUMERO_MAXIMO_LETRAS_FRASES_PREDITAS", &PredictionOptions::maxSentenceLetters},
    IntegerKey{"NUMERO_MAXIMO_LETRAS_PALAVRAS_PREDITAS", &PredictionOptions::maxWordLetters},
    IntegerKey{"NUMERO_MAXIMO_PALAVRAS_PREDITAS", &PredictionOptions::maxWordSuggestions},
};

}  // namespace

std::string SetPredictionOption(PredictionOptions& options, std::string_view key,
                                std::string_view value) {
  if (key == "LETRAS_NAO_PRETENDIDAS") {
    options.unwantedLetters = std::string(value);
    return {};
  }
  if (key == "SEQUENCIAS_LETRAS_NAO_PRETENDIDAS") {
    options.unwantedSequences = std::string(value);
    return {};
  }
  const auto found = std::lower_bound(
      kIntegerKeys.begin(), kIntegerKeys.end(), key,
      [](const IntegerKey& entry, std::string_view wanted) { return entry.key < wanted; });
  if (found == kIntegerKeys.end() || found->key != key)
    return "unknown prediction option: " + std::string(key);
  int32_t number = 0;
  if (!ParseInt32(value, number))
    return "option " + std::string(key) + " takes a whole number, not: " + std::string(value);
  options.*(found->field) = number;
  return {};
}

}  // namespace vorelio
