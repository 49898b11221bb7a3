// The profile options that prediction reads, with the defaults of a new
// profile. The profile's options record fills one of these; the
// command-line tools use the defaults and their own overrides.
#pragma once

#include <cstdint>
#include <string>

namespace vorelio {

struct PredictionOptions {
  // Weights of the word score terms, used as plain multipliers.
  int32_t wordFrequencyCoefficient = 100;      // COEFICIENTE_FREQUENCIA_PALAVRA
  int32_t wordPairCoefficient = 100;           // COEFICIENTE_FREQUENCIA_PAR_PALAVRAS
  int32_t wordClassCoefficient = 0;            // COEFICIENTE_CLASSE_PALAVRA
  int32_t userWordFrequencyCoefficient = 100;  // COEFICIENTE_FREQUENCIA_PALAVRA_UTILIZADOR
  int32_t userWordPairCoefficient = 100;       // COEFICIENTE_FREQUENCIA_PAR_PALAVRAS_UTILIZADOR
  // Candidates holding any of these letters, or any of these sequences
  // (split at the separators), are never suggested. Windows-1252.
  std::string unwantedLetters;                 // LETRAS_NAO_PRETENDIDAS
  std::string unwantedSequences;               // SEQUENCIAS_LETRAS_NAO_PRETENDIDAS
  int32_t maxWordSuggestions = 10;             // NUMERO_MAXIMO_PALAVRAS_PREDITAS
  int32_t maxWordLetters = 14;                 // NUMERO_MAXIMO_LETRAS_PALAVRAS_PREDITAS
  int32_t maxSentenceSuggestions = 4;          // NUMERO_MAXIMO_FRASES_PREDITAS
  int32_t maxSentenceLetters = 80;             // NUMERO_MAXIMO_LETRAS_FRASES_PREDITAS
  int32_t maxPictogramSuggestions = 8;         // NUMERO_MAXIMO_IMAGENS_PREDITAS
  int32_t maxPictogramSentenceSuggestions = 4; // NUMERO_MAXIMO_FRASES_IMAGENS_PREDITAS
  int32_t userAdaptation = 0;                  // ADAPTACAO_UTILIZADOR
};

}  // namespace vorelio
