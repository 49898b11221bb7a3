// The profile options that prediction reads, with the defaults of a new
// profile. They are part of the profile's options record (which derives
// from this one, and whose key table reads and writes these fields); the
// command-line tools, benchmarks and tests use them on their own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace vorelio {

// The most suggestions of one kind the engine ranks for a request, and so
// the most any list can show, whatever a profile asks for.
inline constexpr int32_t kMaximumSuggestions = 100;

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
  int32_t userAdaptation = 0;                  // ADAPTACAO_UTILIZADOR
  // How many suggestions the lists show, and how long they may be. A count
  // read from a profile is held to 0..kMaximumSuggestions.
  int32_t maxWordSuggestions = 10;             // NUMERO_MAXIMO_PALAVRAS_PREDITAS
  int32_t maxWordLetters = 14;                 // NUMERO_MAXIMO_LETRAS_PALAVRAS_PREDITAS
  int32_t maxSentenceSuggestions = 4;          // NUMERO_MAXIMO_FRASES_PREDITAS
  int32_t maxSentenceLetters = 80;             // NUMERO_MAXIMO_LETRAS_FRASES_PREDITAS
  int32_t maxPictogramSuggestions = 8;         // NUMERO_MAXIMO_IMAGENS_PREDITAS
  int32_t maxPictogramSentenceSuggestions = 4; // NUMERO_MAXIMO_FRASES_IMAGENS_PREDITAS

  // Learning from what the user writes is on only when the option is 1.
  bool LearnsFromUser() const { return userAdaptation == 1; }

  bool operator==(const PredictionOptions&) const = default;
};

// A suggestion count as the program can use it: 0 to kMaximumSuggestions.
inline int32_t UsableSuggestionCount(int32_t count) {
  return std::clamp(count, 0, kMaximumSuggestions);
}

}  // namespace vorelio
