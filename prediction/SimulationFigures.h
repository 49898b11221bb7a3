// What one run of the word prediction simulator counted, and the eleven
// figures derived from it, as the simulator dialog shows them and as the
// results file stores them (one tab-separated line per run).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vorelio {

struct SimulationCounters {
  int32_t characters = 0;             // each word and its space
  int32_t charactersTyped = 0;        // what the user typed with prediction
  int32_t words = 0;
  int32_t predictions = 0;            // predictions made
  int32_t successfulPredictions = 0;  // words found among the suggestions
  int32_t positionSum = 0;            // list positions (from 0) of those words
  int32_t charactersBeforeSum = 0;    // letters typed before each success
  int32_t keystrokes = 0;             // key presses without prediction
  int32_t keystrokesTyped = 0;        // key presses with prediction
  bool operator==(const SimulationCounters&) const = default;
};

struct SimulationFigures {
  int32_t words = 0;
  int32_t characters = 0;
  int32_t charactersTyped = 0;
  int32_t charactersSavedPercent = 0;  // truncated
  int32_t keystrokes = 0;
  int32_t keystrokesTyped = 0;
  int32_t keystrokesSavedPercent = 0;  // truncated
  int32_t predictions = 0;
  int32_t successfulPredictions = 0;
  double meanPosition = 0;             // positions counted from 0
  double meanCharactersBefore = 0;
  bool operator==(const SimulationFigures&) const = default;
};

// The percentages are (all - typed) * 100 / all, truncated, and 0 when
// nothing was counted; the means are 0 when no prediction succeeded.
SimulationFigures FiguresOf(const SimulationCounters& counters);

// The results file line: the eleven figures in the order words, characters,
// characters typed, characters saved %, keystrokes, keystrokes typed,
// keystrokes saved %, predictions, successes ("%d"), mean position, mean
// characters before a prediction ("%.1f"), tab-separated, ending in "\n".
std::string ResultsLine(const SimulationFigures& figures);

// The figures under the dialog's labels (Windows-1252), in the dialog's
// order: characters, characters typed, characters saved ("%d%%"), key
// presses, key presses typed, key presses saved, words, predictions,
// successes, mean position and mean characters ("%.1f").
std::vector<std::pair<std::string, std::string>> LabelledFigures(const SimulationFigures& figures);

}  // namespace vorelio
