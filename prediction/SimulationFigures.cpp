#include "prediction/SimulationFigures.h"

#include <cstdio>

namespace vorelio {

namespace {

int32_t SavedPercent(int32_t all, int32_t typed) {
  if (all == 0) return 0;
  // In 64 bits: a long text times 100 would overflow 32.
  return static_cast<int32_t>((static_cast<int64_t>(all) - typed) * 100 / all);
}

double Mean(int32_t sum, int32_t count) {
  return count == 0 ? 0.0 : static_cast<double>(sum) / count;
}

std::string OneDecimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace

SimulationFigures FiguresOf(const SimulationCounters& c) {
  SimulationFigures f;
  f.words = c.words;
  f.characters = c.characters;
  f.charactersTyped = c.charactersTyped;
  f.charactersSavedPercent = SavedPercent(c.characters, c.charactersTyped);
  f.keystrokes = c.keystrokes;
  f.keystrokesTyped = c.keystrokesTyped;
  f.keystrokesSavedPercent = SavedPercent(c.keystrokes, c.keystrokesTyped);
  f.predictions = c.predictions;
  f.successfulPredictions = c.successfulPredictions;
  f.meanPosition = Mean(c.positionSum, c.successfulPredictions);
  f.meanCharactersBefore = Mean(c.charactersBeforeSum, c.successfulPredictions);
  return f;
}

std::string ResultsLine(const SimulationFigures& f) {
  char line[256];
  std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%.1f\t%.1f\n", f.words,
                f.characters, f.charactersTyped, f.charactersSavedPercent, f.keystrokes,
                f.keystrokesTyped, f.keystrokesSavedPercent, f.predictions,
                f.successfulPredictions, f.meanPosition, f.meanCharactersBefore);
  return line;
}

std::vector<std::pair<std::string, std::string>> LabelledFigures(const SimulationFigures& f) {
  const auto number = [](int32_t value) { return std::to_string(value); };
  const auto percent = [](int32_t value) { return std::to_string(value) + "%"; };
  return {
      {"N\xFAmero de Caracteres", number(f.characters)},
      {"N\xFAmero de Caracteres Escritos Pelo Utilizador", number(f.charactersTyped)},
      {"Percentagem de Caracteres Poupados", percent(f.charactersSavedPercent)},
      {"N\xFAmero de Teclas Pressionadas", number(f.keystrokes)},
      {"N\xFAmero de Teclas Pressionadas Pelo Utilizador", number(f.keystrokesTyped)},
      {"Percentagem de Teclas Poupadas", percent(f.keystrokesSavedPercent)},
      {"N\xFAmero de Palavras", number(f.words)},
      {"N\xFAmero de Predi\xE7\xF5" "es Efectuadas", number(f.predictions)},
      {"Numero de Predi\xE7\xF5" "es Com Sucesso", number(f.successfulPredictions)},
      {"Posi\xE7\xE3o M\xE9" "dia das Palavras Preditas na Lista", OneDecimal(f.meanPosition)},
      {"N\xFAmero M\xE9" "dio de Caracteres Para Predi\xE7\xE3o", OneDecimal(f.meanCharactersBefore)},
  };
}

}  // namespace vorelio
