// CUserAdaptation: live learning of what the user writes.
//
// Every finished word adds to its user frequency and to the pair it forms
// with the word before it; every finished sentence does the same for
// sentences. The controller owns one and calls it with the texts the output
// target reports around the caret; it keeps the last learned word and
// sentence to link a word or sentence to its predecessor when the target no
// longer knows it (after the text was cleared, for instance).
//
// Every operation does nothing while user adaptation (ADAPTACAO_UTILIZADOR)
// is off. Learning changes only the dictionary in memory and its modified
// flags; the files are written when the dictionary is saved.
#pragma once

#include <string>
#include <string_view>

#include "prediction/Dictionary.h"

namespace vorelio {

// What the output target reports before the caret.
struct TextBeforeCaret {
  std::string lastWord;          // the last word before the caret
  std::string previousWord;      // the word before it, empty at a text's start
  std::string lastSentence;      // the last sentence before the caret
  std::string previousSentence;  // the sentence before it, empty at a text's start
};

class CUserAdaptation {
 public:
  // At the end of a word. Learns `lastWord` (lower-cased) and its pair with
  // `previousWord`; with no previous word, its pair with the last learned
  // word (if any) and with the start-of-text word "___", which is itself
  // counted. Nothing when `lastWord` is empty.
  void LearnWord(CDictionary& dictionary, bool adaptationOn, std::string_view lastWord,
                 std::string_view previousWord);
  // At the end of a sentence: the same with sentences (normalised by the
  // dictionary, not lower-cased here) and the last learned sentence. A
  // sentence of white space only counts as empty.
  void LearnSentence(CDictionary& dictionary, bool adaptationOn, std::string_view lastSentence,
                     std::string_view previousSentence);
  // When the whole text is spoken at once: learns the text, trimmed, as one
  // sentence paired with `previousSentence`, or with "___" when the target
  // reports none. The last learned sentence is neither read nor changed.
  void LearnMessage(CDictionary& dictionary, bool adaptationOn, std::string_view wholeText,
                    std::string_view previousSentence);
  // After a key or a suggestion wrote `keyText`: a sentence (a terminator
  // . ? ! and at least one word) or punctuation (only terminators) learns
  // the sentence and then the word before the caret; a single word or a
  // word sequence learns the word; anything else (an empty text, separators
  // only) learns nothing.
  void LearnAfterKeyOutput(CDictionary& dictionary, bool adaptationOn, std::string_view keyText,
                           const TextBeforeCaret& caret);

  const std::string& LastLearnedWord() const { return lastLearnedWord_; }
  const std::string& LastLearnedSentence() const { return lastLearnedSentence_; }

 private:
  std::string lastLearnedWord_;
  std::string lastLearnedSentence_;
};

}  // namespace vorelio
