#include "logging/MetricsReport.h"

#include <array>
#include <charconv>
#include <string_view>

namespace vorelio {
namespace {

// The three lines of each completion tally - the count, the mean list
// position and the mean characters typed before completing - for words,
// word sequences and sentences, each from the list, from single and from
// compound pictograms.
struct CompletionNames {
  std::string_view count;
  std::string_view meanPosition;
  std::string_view meanCharacters;
};
constexpr std::array<CompletionNames, 9> kCompletionNames = {{
    {"Numero_Palavras_Completadas", "Posicao_Media_Palavras_Lista",
     "Numero_Medio_Caracteres_Completar_Palavras"},
    {"Numero_Palavras_Completadas_A_Partir_Simbolos_Simples",
     "Posicao_Media_Simbolos_Simples_Com_Palavra_Lista",
     "Numero_Medio_Caracteres_Completar_Palavras_A_Partir_Simbolos_Simples"},
    {"Numero_Palavras_Completadas_A_Partir_Simbolos_Compostos",
     "Posicao_Media_Simbolos_Compostos_Com_Palavra_Lista",
     "Numero_Medio_Caracteres_Completar_Palavras_A_Partir_Simbolos_Compostos"},
    {"Numero_Sequencias_Palavras_Completadas", "Posicao_Media_Sequencias_Palavras_Lista",
     "Numero_Medio_Caracteres_Completar_Sequencia_Palavras"},
    {"Numero_Sequencias_Palavras_Completadas_A_Partir_Simbolos_Simples",
     "Posicao_Media_Simbolos_Simples_Com_Sequencia_Palavras_Lista",
     "Numero_Medio_Caracteres_Completar_Sequencia_Palavras_A_Partir_Simbolos_Simples"},
    {"Numero_Sequencias_Palavras_Completadas_A_Partir_Simbolos_Compostos",
     "Posicao_Media_Simbolos_Compostos_Com_Sequencia_Palavra_Lista",
     "Numero_Medio_Caracteres_Completar_Sequencia_Palavras_A_Partir_Simbolos_Compostos"},
    {"Numero_Frases_Completadas", "Posicao_Media_Frases_Lista",
     "Numero_Medio_Caracteres_Completar_Frases"},
    {"Numero_Frases_Completadas_A_Partir_Simbolos_Simples",
     "Posicao_Media_Simbolos_Simples_Com_Frase_Lista",
     "Numero_Medio_Caracteres_Completar_Frases_A_Partir_Simbolos_Simples"},
    {"Numero_Frases_Completadas_A_Partir_Simbolos_Compostos",
     "Posicao_Media_Simbolos_Compostos_Com_Frase_Lista",
     "Numero_Medio_Caracteres_Completar_Frases_A_Partir_Simbolos_Compostos"},
}};

// The two lines of each predicted-pictogram tally, by PictogramKind.
constexpr std::array<std::array<std::string_view, 2>, 2> kPredictedPictogramNames = {{
    {"Numero_Simbolos_Simples_Preditos_Seleccionados", "Posicao_Media_Simbolos_Simples_Lista"},
    {"Numero_Simbolos_Compostos_Preditos_Seleccionados", "Posicao_Media_Simbolos_Compostos_Lista"},
}};

class Lines {
 public:
  void Count(std::string_view name, int64_t value) {
    lines_.push_back(std::string(name) + " " + std::to_string(value));
  }
  void Count(std::string_view name, const WritingCounters& counters, WritingEvent event) {
    Count(name, counters.Of(event));
  }
  // numerator / divisor with six decimals ("%f"), or "-" below 1.
  void Ratio(std::string_view name, double numerator, int32_t divisor) {
    std::string line(name);
    if (divisor < 1) {
      lines_.push_back(line + " -");
      return;
    }
    char digits[400];
    const auto result = std::to_chars(digits, digits + sizeof digits, numerator / divisor,
                                      std::chars_format::fixed, 6);
    lines_.push_back(line + " " + std::string(digits, result.ptr));
  }
  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> MetricsLines(const WritingCounters& counters, const WritingTimes& times,
                                      const FinalTextMeasures& finalText,
                                      std::optional<int32_t> qwertyKeystrokes) {
  using E = WritingEvent;
  const int64_t switchActivations =
      int64_t{counters.Of(E::kSwitch1Activated)} + counters.Of(E::kSwitch2Activated);
  Lines lines;
  lines.Count("Tempo_Total_Escrita", times.totalSeconds);
  lines.Count("Tempo_Efectivo_Escrita", times.effectiveSeconds);
  lines.Count("Numero_Teclas_Pressionadas", counters.userKeys);
  lines.Count("Numero_Teclas_Sistema", counters.systemKeys);
  lines.Count("Numero_Total_Teclas", counters.allKeys);
  lines.Count("Numero_Teclas_Ecra_Pressionadas", counters, E::kOnScreenKeyPressed);
  lines.Count("Numero_Activacoes_Manipulos", switchActivations);
  if (qwertyKeystrokes) {
    // Savings in percent of what typing the final text would have cost.
    const int32_t q = *qwertyKeystrokes;
    const auto saving = [q](int64_t spent) { return static_cast<double>(q - spent) * 100; };
    lines.Count("Numero_Teclas_Texto_Teclado_Qwerty", q);
    lines.Ratio("Teclas_Poupadas_Comparacao_Escrita_Teclado_Qwerty", saving(counters.userKeys), q);
    lines.Ratio("Teclas_Ecra_Poupadas_Comparacao_Escrita_Teclado_Qwerty",
                saving(counters.Of(E::kOnScreenKeyPressed)), q);
    lines.Ratio("Activacoes_Manipulo_Poupadas_Comparacao_Escrita_Teclado_Qwerty",
                saving(switchActivations), q);
  }
  lines.Count("Numero_Caracteres_Escritos", counters, E::kCharacterWritten);
  lines.Count("Numero_Palavras_Escritas", counters, E::kWordWritten);
  lines.Count("Numero_Frases_Escritas", counters, E::kSentenceWritten);
  lines.Count("Numero_Caracteres_Finais", finalText.characters);
  lines.Count("Numero_Palavras_Finais", finalText.words);
  lines.Count("Numero_Frases_Finais", finalText.sentences);
  lines.Count("Numero_Cliques", counters, E::kClick);
  lines.Count("Numero_Simbolos_Simples_Seleccionados", counters, E::kSinglePictogramSelected);
  lines.Count("Numero_Simbolos_Compostos_Seleccionados", counters, E::kCompoundPictogramSelected);
  lines.Count("Numero_Simbolos_Simples_Escritos", counters, E::kSinglePictogramWritten);
  lines.Count("Numero_Simbolos_Compostos_Escritos", counters, E::kCompoundPictogramWritten);
  lines.Count("Numero_Simbolos_Finais", finalText.pictograms);
  lines.Count("Numero_Alteracoes_Teclado_Ecran_Atraves_Menu", counters,
              E::kKeyboardChangedThroughMenu);
  lines.Count("Numero_Alteracoes_Teclado_Ecran_Atraves_Teclado_Ecran", counters,
              E::kKeyboardChangedThroughKeyboard);
  lines.Count("Numero_Adaptacoes_Contexto", counters, E::kContextAdaptation);
  lines.Count("Numero_Envios_Comunicacao_Cooperativa", counters, E::kCooperativeListReceived);
  lines.Count("Numero_Sugestoes_Palavras", counters, E::kCooperativeWordHint);
  lines.Count("Numero_Sugestoes_Frases", counters, E::kCooperativeSentenceHint);
  lines.Count("Numero_Sugestoes_Simbolos_Simples", counters, E::kCooperativeSinglePictogramHint);
  lines.Count("Numero_Sugestoes_Simbolos_Multiplos", counters,
              E::kCooperativeMultiplePictogramHint);
  lines.Count("Numero_Abreviaturas_Expandidas", counters, E::kAbbreviationExpanded);
  lines.Count("Numero_Predicoes", counters, E::kPrediction);
  lines.Count("Numero_Procuras_Predi\xE7\xF5" "es_Seguintes", counters,
              E::kNextPredictionsRequest);
  const CompletionNames* names = kCompletionNames.data();
  for (const CompletedText text :
       {CompletedText::kWord, CompletedText::kWordSequence, CompletedText::kSentence}) {
    for (const CompletionSource source :
         {CompletionSource::kSuggestionList, CompletionSource::kSinglePictogram,
          CompletionSource::kCompoundPictogram}) {
      const CompletionTally& tally = counters.Completions(text, source);
      lines.Count(names->count, tally.count);
      lines.Ratio(names->meanPosition, tally.positionSum, tally.count);
      lines.Ratio(names->meanCharacters, tally.characterSum, tally.count);
      ++names;
    }
  }
  for (const PictogramKind kind : {PictogramKind::kSingle, PictogramKind::kCompound}) {
    const SelectionTally& tally = counters.PredictedPictograms(kind);
    const auto& [countName, meanPositionName] = kPredictedPictogramNames[static_cast<int>(kind)];
    lines.Count(countName, tally.count);
    lines.Ratio(meanPositionName, tally.positionSum, tally.count);
  }
  lines.Count("Numero_Caracteres_Simbolos_Apagados", counters, E::kCharacterOrPictogramDeleted);
  lines.Count("Palavras_Sintetizadas", counters, E::kWordSpoken);
  lines.Count("Frases_Sintetizadas", counters, E::kSentenceSpoken);
  lines.Count("Simbolos_Sintetizados", counters, E::kPictogramSpoken);
  lines.Count("Total_Palavras_Sintetizadas", counters.totalWordsSpoken);
  lines.Count("Total_Frases_Sintetizadas", counters.totalSentencesSpoken);
  lines.Count("Texto_Area_Trabalho_Sintetizado", counters.messagesSpoken);
  return lines.Take();
}

}  // namespace vorelio
