#include "prediction/Suggestions.h"

#include <algorithm>
#include <array>

#include "common/Text.h"

namespace vorelio {

namespace {

// The profile's unwanted letters and letter sequences.
class UnwantedFilter {
 public:
  explicit UnwantedFilter(const PredictionOptions& options)
      : letters_(options.unwantedLetters),
        sequences_(Split(options.unwantedSequences, kSeparators)) {}

  bool Rejects(std::string_view candidate) const {
    if (!letters_.empty() && candidate.find_first_of(letters_) != std::string_view::npos)
      return true;
    return std::any_of(sequences_.begin(), sequences_.end(), [&](const std::string& sequence) {
      return candidate.find(sequence) != std::string_view::npos;
    });
  }

 private:
  std::string_view letters_;
  std::vector<std::string> sequences_;
};

// One part at the separators and no sentence terminator.
bool IsSingleWord(std::string_view text) {
  if (text.find_first_of(kTerminators) != std::string_view::npos) return false;
  int parts = 0;
  bool inPart = false;
  for (char c : text) {
    const bool separator = IsSeparator(c);
    if (!separator && !inPart) ++parts;
    inPart = !separator;
  }
  return parts == 1;
}

// Adds `text` to `list` unless a text with the same pictogram comparison key
// is there already.
void AddPictogramOnce(std::string_view text, std::vector<std::string>& list,
                      std::vector<std::string>& keys) {
  std::string key = PictogramComparisonKey(text);
  if (std::find(keys.begin(), keys.end(), key) != keys.end()) return;
  keys.push_back(std::move(key));
  list.emplace_back(text);
}

// "bom di" -> "[bom] [di"; pictograms are kept as they are ("[bom] di" ->
// "[bom] [di"). Empty when the text has no part.
std::string PictogramRowForm(std::string_view sentence) {
  std::string row;
  for (const TextPart& part : SplitWordsAndPictograms(sentence)) {
    if (!row.empty()) row += ' ';
    if (part.isPictogram) {
      row += part.text;
    } else {
      row += '[';
      row += part.text;
      row += ']';
    }
  }
  if (!row.empty()) row.pop_back();  // the final "]"
  return row;
}

enum class SentenceKind { kPlain, kPictograms, kMixed };

SentenceKind KindOf(std::string_view sentence) {
  if (sentence.find('[') == std::string_view::npos) return SentenceKind::kPlain;
  bool anyPictogram = false;
  bool anyWord = false;
  for (const TextPart& part : SplitWordsAndPictograms(sentence)) {
    (part.isPictogram ? anyPictogram : anyWord) = true;
  }
  if (!anyPictogram) return SentenceKind::kPlain;
  return anyWord ? SentenceKind::kMixed : SentenceKind::kPictograms;
}

}  // namespace

std::string RequestPreviousWord(std::string_view previousWord) {
  if (previousWord.empty()) return std::string(kStartOfTextWord);
  return ToLower(previousWord);
}

std::string_view RequestPreviousSentence(std::string_view lastSentence) {
  const std::string_view trimmed = Trim(lastSentence);
  return trimmed.empty() ? kStartOfTextWord : trimmed;
}

void RequestWordSuggestions(const CDictionary& dictionary, CWordPredictor& predictor,
                            const PredictionOptions& options, std::string_view currentWord,
                            std::string_view previousWord, std::string_view textBeforeCaret,
                            WordSuggestions& out) {
  out.words.clear();
  out.pictograms.clear();

  const std::string current = ToLower(currentWord);
  const std::string previous = RequestPreviousWord(previousWord);

  std::vector<std::string> prefixes;
  prefixes.reserve(3);
  prefixes.push_back(current);
  if (!current.empty() && !IsPictogramWord(current) && IsSingleWord(current))
    prefixes.push_back("[" + current);
  const std::string sentence = NormalizeSentence(textBeforeCaret);
  if (!sentence.empty() && !HoldsPictogram(sentence)) prefixes.push_back("[" + sentence);

  predictor.PredictWords(dictionary, options, previous, prefixes);
  std::array<CDictionaryWordScore, kSuggestionRequestSize> best;
  const int32_t count = predictor.BestPredictions(kSuggestionRequestSize, best);

  const UnwantedFilter filter(options);
  std::vector<std::string> pictogramKeys;
  for (int32_t i = 0; i < count; ++i) {
    const std::string& text = best[static_cast<std::size_t>(i)].entry->text;
    if (filter.Rejects(text)) continue;
    if (IsPictogramWord(text)) {
      AddPictogramOnce(text, out.pictograms, pictogramKeys);
    } else if (IsSingleWord(text) &&
               text.size() <= static_cast<std::size_t>(std::max(options.maxWordLetters, 0))) {
      out.words.push_back(text);
    }
  }
}

void RequestSentenceSuggestions(const CDictionary& dictionary, CSentencePredictor& predictor,
                                const PredictionOptions& options,
                                std::string_view textBeforeCaret, std::string_view lastSentence,
                                SentenceSuggestions& out) {
  out.sentences.clear();
  out.pictogramSentences.clear();

  const std::string current = NormalizeSentence(Trim(textBeforeCaret));
  const std::string_view previous = RequestPreviousSentence(lastSentence);

  std::vector<std::string> prefixes;
  prefixes.reserve(3);
  prefixes.push_back(current);
  if (!current.empty()) {
    const SentenceKind kind = KindOf(current);
    if (kind != SentenceKind::kPlain) prefixes.push_back(PictogramComparisonKey(current));
    // A text with no word in it ("?") has no row form; an empty prefix would
    // wrongly ask for the successors of the previous sentence.
    if (kind != SentenceKind::kPictograms) {
      std::string row = PictogramRowForm(current);
      if (!row.empty()) prefixes.push_back(std::move(row));
    }
  }

  predictor.PredictSentences(dictionary, options, previous, prefixes);
  std::array<CDictionarySentenceScore, kSuggestionRequestSize> best;
  const int32_t count = predictor.BestPredictions(kSuggestionRequestSize, best);

  const UnwantedFilter filter(options);
  std::vector<std::string> pictogramKeys;
  const auto maxLetters = static_cast<std::size_t>(std::max(options.maxSentenceLetters, 0));
  for (int32_t i = 0; i < count; ++i) {
    const std::string& text = best[static_cast<std::size_t>(i)].entry->text;
    if (filter.Rejects(text)) continue;
    switch (KindOf(text)) {
      case SentenceKind::kPictograms:
        AddPictogramOnce(text, out.pictogramSentences, pictogramKeys);
        break;
      case SentenceKind::kPlain:
        if (!text.empty() && text.size() <= maxLetters) out.sentences.push_back(text);
        break;
      case SentenceKind::kMixed:
        break;
    }
  }
}

}  // namespace vorelio
