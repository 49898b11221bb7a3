#include "prediction/WordPredictionSimulator.h"

#include <algorithm>
#include <utility>

#include "platform/AtomicFile.h"
#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio {

bool SaveUserFilesForSimulation(CDictionary& d) {
  // A user file that is missing is written too, so that End's reload finds
  // what was there before the simulation.
  const auto needsSaving = [&d](DictionaryFile file) {
    const DictionaryFileRecord& record = d.File(file);
    return record.modified || (!record.path.empty() && !PathExists(d.Files(), record.path));
  };
  bool saved = true;
  for (const auto& [entries, pairs] :
       {std::pair{DictionaryFile::kUserWords, DictionaryFile::kUserWordPairs},
        std::pair{DictionaryFile::kUserSentences, DictionaryFile::kUserSentencePairs}}) {
    if (d.File(entries).modified || needsSaving(pairs)) saved = d.Save(pairs) && saved;
    if (needsSaving(entries)) saved = d.Save(entries) && saved;
  }
  // A file that was only missing and cannot be created loses nothing: the
  // reload then finds the same empty part.
  const auto modified = [&d](DictionaryFile file) { return d.File(file).modified; };
  return saved || !(modified(DictionaryFile::kUserWords) ||
                    modified(DictionaryFile::kUserWordPairs) ||
                    modified(DictionaryFile::kUserSentences) ||
                    modified(DictionaryFile::kUserSentencePairs));
}

SimulationStart CWordPredictionSimulator::Start(CDictionary& dictionary,
                                                const PredictionOptions& options,
                                                const std::string& textPath) {
  auto lines = ReadSimulationText(dictionary.Files(), textPath);
  if (!lines) return SimulationStart::kTextUnreadable;
  return Start(dictionary, options, std::move(*lines));
}

SimulationStart CWordPredictionSimulator::Start(CDictionary& dictionary,
                                                const PredictionOptions& options,
                                                std::vector<SimulationLine> lines) {
  if (lines.empty()) return SimulationStart::kTextEmpty;
  if (options.LearnsFromUser() && !SaveUserFilesForSimulation(dictionary))
    return SimulationStart::kUserFilesNotSaved;
  dictionary_ = &dictionary;
  options_ = options;
  lines_ = std::move(lines);
  line_ = word_ = 0;
  previous_.clear();
  lastWord_.clear();
  counters_ = {};
  withoutPrediction_.Reset();
  withPrediction_.Reset();
  best_.resize(static_cast<std::size_t>(UsableSuggestionCount(options_.maxWordSuggestions)));
  return SimulationStart::kStarted;
}

int32_t CWordPredictionSimulator::CountWords(FileSystem& files, const std::string& textPath) {
  const auto lines = ReadSimulationText(files, textPath);
  if (!lines) return 0;
  int32_t count = 0;
  for (const SimulationLine& line : *lines) count = SaturatingAdd(count, static_cast<int32_t>(line.size()));
  return count;
}

bool CWordPredictionSimulator::Predict(const std::string& word, std::string_view prefix,
                                       int32_t& position) {
  predictor_.PredictWords(*dictionary_, options_, previous_, prefix);
  counters_.predictions = SaturatingAdd(counters_.predictions, 1);
  const int32_t count = predictor_.BestPredictions(static_cast<int32_t>(best_.size()), best_);
  for (int32_t i = 0; i < count; ++i) {
    if (best_[i].entry->text == word) {
      position = i;
      return true;
    }
  }
  return false;
}

bool CWordPredictionSimulator::Step() {
  if (dictionary_ == nullptr || line_ >= lines_.size()) return false;
  const SimulationLine& line = lines_[line_];
  const std::string& word = line[word_];
  const char next = word_ + 1 < line.size() ? line[word_ + 1].front() : ' ';
  lowerWord_ = ToLower(word);
  const auto add = [](int32_t& counter, int32_t amount) { counter = SaturatingAdd(counter, amount); };
  const auto length = static_cast<int32_t>(word.size());

  add(counters_.words, 1);
  add(counters_.characters, length + 1);
  add(counters_.keystrokes, withoutPrediction_.WordCost(word, next) + 1);

  bool found = false;
  for (int32_t k = 0; k < length && !found; ++k) {
    if (k >= 1) {
      add(counters_.charactersTyped, 1);
      add(counters_.keystrokesTyped, withPrediction_.CharacterCost(word[k - 1], word[k]));
    }
    int32_t position = 0;
    if (Predict(lowerWord_, std::string_view(lowerWord_).substr(0, k), position)) {
      found = true;
      add(counters_.successfulPredictions, 1);
      add(counters_.positionSum, position);
      add(counters_.charactersBeforeSum, k);
      add(counters_.charactersTyped, 1);
      add(counters_.keystrokesTyped, 1);  // the selection; its space is free
    }
  }
  if (!found) {
    add(counters_.charactersTyped, 2);  // the last letter and the space
    add(counters_.keystrokesTyped, withPrediction_.CharacterCost(word.back(), next) + 1);
  }
  if (options_.LearnsFromUser()) {
    dictionary_->AddUserWord(lowerWord_, 1);
    dictionary_->AddUserWordPair(previous_, lowerWord_, 1);
  }

  lastWord_ = word;
  if (++word_ < line.size()) {
    previous_ = lowerWord_;
  } else {
    ++line_;
    word_ = 0;
    previous_.clear();
  }
  return true;
}

void CWordPredictionSimulator::End() {
  if (dictionary_ == nullptr) return;
  if (options_.LearnsFromUser()) dictionary_->ReloadWordAndSentenceFiles();
  dictionary_ = nullptr;
  lines_.clear();
}

}  // namespace vorelio
