// CWordPredictionSimulator: replays a text as if a user wrote it, word by
// word and letter by letter, accepting a suggestion as soon as the wanted
// word is among the NUMERO_MAXIMO_PALAVRAS_PREDITAS best predictions, and
// counts characters, key presses with and without prediction and how the
// predictions behaved (SimulationFigures.h).
//
// One run: Start, Step until it returns false, read the counters, End.
// With user adaptation on, a run learns each word and its pair as real use
// would; Start first saves the dictionary's user files and End reloads the
// dictionary's eight word and sentence files from their remembered paths,
// so the dictionary ends as it began.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/TypistKeyboard.h"
#include "prediction/Dictionary.h"
#include "prediction/PredictionOptions.h"
#include "prediction/SimulationFigures.h"
#include "prediction/SimulationText.h"
#include "prediction/WordPredictor.h"

namespace vorelio {

enum class SimulationStart {
  kStarted,
  kTextUnreadable,    // the file cannot be opened or read
  kTextEmpty,         // the file holds no word
  kUserFilesNotSaved  // learning is on and a modified user file could not be
                      // saved: End's reload would lose it, so nothing runs
};

// Saves every modified user file of the dictionary (pairs when their words
// changed too, as a release does) and creates the user files missing on
// disk, so that a reload from the remembered paths gives back the same
// dictionary. False when a modified file could not be saved.
bool SaveUserFilesForSimulation(CDictionary& dictionary);

class CWordPredictionSimulator {
 public:
  CWordPredictionSimulator() = default;

  // Reads the whole text (UTF-8 or Windows-1252, SimulationText.h), zeroes
  // the counters and both Caps Lock states. With learning on (LearnsFromUser)
  // it first saves every modified user file (and creates those missing on
  // disk, so that End's reload finds them). The dictionary and options must
  // outlive the run. On failure nothing is changed and End does nothing.
  SimulationStart Start(CDictionary& dictionary, const PredictionOptions& options,
                        const std::string& textPath);
  // The same over a text already cut into lines.
  SimulationStart Start(CDictionary& dictionary, const PredictionOptions& options,
                        std::vector<SimulationLine> lines);

  // The number of words a run over the file simulates; 0 when it cannot be
  // read.
  static int32_t CountWords(FileSystem& files, const std::string& textPath);

  // Simulates the next word; false (and nothing done) at the end of the text
  // or when no run is started.
  bool Step();

  // Ends the run. With user adaptation on, reloads the dictionary's files,
  // discarding what the run learned. Safe to call twice or without Start.
  void End();

  const SimulationCounters& Counters() const { return counters_; }
  SimulationFigures Figures() const { return FiguresOf(counters_); }
  // The word just simulated, as written in the text.
  const std::string& LastWord() const { return lastWord_; }

 private:
  // True when `word` is among the best predictions for `prefix`; its
  // position from 0 goes to `position`.
  bool Predict(const std::string& word, std::string_view prefix, int32_t& position);

  CDictionary* dictionary_ = nullptr;
  PredictionOptions options_;
  std::vector<SimulationLine> lines_;
  std::size_t line_ = 0;
  std::size_t word_ = 0;
  std::string previous_;  // lower case; empty at the start of each line
  std::string lastWord_;
  std::string lowerWord_;
  SimulationCounters counters_;
  TypistKeyboard withoutPrediction_;  // each count has its own Caps Lock
  TypistKeyboard withPrediction_;
  CWordPredictor predictor_;
  std::vector<CDictionaryWordScore> best_;
};

}  // namespace vorelio
