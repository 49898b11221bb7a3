// The controller's suggestion requests: from the texts the output target
// reports to the word, pictogram, sentence and pictogram-sentence lists
// shown on the prediction keys. Each list keeps the predictors' order, holds
// at most 100 entries and is replaced whole (the vectors are cleared and
// refilled, keeping their storage).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "prediction/Dictionary.h"
#include "prediction/PredictionOptions.h"
#include "prediction/SentencePredictor.h"
#include "prediction/WordPredictor.h"

namespace vorelio {

// How many ranked predictions a request asks for.
inline constexpr int32_t kSuggestionRequestSize = kMaximumSuggestions;

struct WordSuggestions {
  std::vector<std::string> words;
  std::vector<std::string> pictograms;
};

struct SentenceSuggestions {
  std::vector<std::string> sentences;
  std::vector<std::string> pictogramSentences;
};

// The previous word a request predicts from: lower case, "___" when empty.
std::string RequestPreviousWord(std::string_view previousWord);
// The previous sentence a request predicts from: without leading and
// trailing blanks, "___" when nothing is left.
std::string_view RequestPreviousSentence(std::string_view lastSentence);

// currentWord: letters typed since the last separator; previousWord: the
// last completed word (RequestPreviousWord); textBeforeCaret: what the
// target reports before the caret ("casa " once a word has ended). The
// current word is lower-cased.
// Prefixes, in order: the current word (an empty one asks for next words);
// "[" + current word when it is a single word and not a pictogram; and
// "[" + the normalised text before the caret when that holds no pictogram
// and is not empty, so pictograms whose names hold several words are found.
// The best 100 are filtered: a candidate holding a letter of
// LETRAS_NAO_PRETENDIDAS or a sequence of SEQUENCIAS_LETRAS_NAO_PRETENDIDAS
// (split at the separators) is dropped; a pictogram joins `pictograms`
// unless one with the same name (brackets removed, blanks collapsed) is
// there; any other candidate joins `words` when it is a single word (one
// part at the separators, no . ? !) of at most maxWordLetters characters.
void RequestWordSuggestions(const CDictionary& dictionary, CWordPredictor& predictor,
                            const PredictionOptions& options, std::string_view currentWord,
                            std::string_view previousWord, std::string_view textBeforeCaret,
                            WordSuggestions& out);

// textBeforeCaret and lastSentence as the target reports them; leading and
// trailing blanks are removed here, and the last sentence is taken through
// RequestPreviousSentence.
// The current sentence is normalised; prefixes, in order:
//   empty:                           one empty prefix (the sentences that
//                                    followed the previous one);
//   no pictogram ("bom di"):         the sentence, then its pictogram-row
//                                    form "[bom] [di" (each word bracketed,
//                                    joined by spaces, final "]" removed);
//   only pictograms ("[bom] [dia]"): the sentence, then the sentence with its
//                                    brackets removed ("bom dia");
//   words and pictograms ("[bom] di"): the sentence, the sentence with its
//                                    brackets removed ("bom di"), then the
//                                    pictogram-row form with the pictograms
//                                    kept ("[bom] [di").
// The best 100 are filtered as for words; a candidate made only of
// pictograms joins `pictogramSentences` unless one with the same text
// (brackets removed, blanks collapsed) is there; one without pictograms
// joins `sentences` when at most maxSentenceLetters long (an empty one, a
// general sentence line of blanks only, is no suggestion); a mixed one is
// dropped.
void RequestSentenceSuggestions(const CDictionary& dictionary, CSentencePredictor& predictor,
                                const PredictionOptions& options,
                                std::string_view textBeforeCaret, std::string_view lastSentence,
                                SentenceSuggestions& out);

}  // namespace vorelio
