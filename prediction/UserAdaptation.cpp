#include "prediction/UserAdaptation.h"

#include "common/Text.h"

namespace vorelio {
void CUserAdaptation::LearnWord(CDictionary& dictionary, bool adaptationOn,
                                std::string_view lastWord, std::string_view previousWord) {
  if (!adaptationOn) return;
  const std::string word = ToLower(lastWord);
  if (word.empty()) return;
  dictionary.AddUserWord(word, 1);
  const std::string previous = ToLower(previousWord);
  if (!previous.empty()) {
    dictionary.AddUserWordPair(previous, word, 1);
  } else {
    if (!lastLearnedWord_.empty()) dictionary.AddUserWordPair(lastLearnedWord_, word, 1);
    dictionary.AddUserWord(kStartOfTextWord, 1);
    dictionary.AddUserWordPair(kStartOfTextWord, word, 1);
  }
  lastLearnedWord_ = word;
}

void CUserAdaptation::LearnSentence(CDictionary& dictionary, bool adaptationOn,
                                    std::string_view lastSentence,
                                    std::string_view previousSentence) {
  if (!adaptationOn || Trim(lastSentence).empty()) return;
  dictionary.AddUserSentence(lastSentence, 1);
  if (!Trim(previousSentence).empty()) {
    dictionary.AddUserSentencePair(previousSentence, lastSentence, 1);
  } else {
    if (!lastLearnedSentence_.empty())
      dictionary.AddUserSentencePair(lastLearnedSentence_, lastSentence, 1);
    dictionary.AddUserSentence(kStartOfTextWord, 1);
    dictionary.AddUserSentencePair(kStartOfTextWord, lastSentence, 1);
  }
  lastLearnedSentence_ = lastSentence;
}

void CUserAdaptation::LearnMessage(CDictionary& dictionary, bool adaptationOn,
                                   std::string_view wholeText, std::string_view previousSentence) {
  if (!adaptationOn) return;
  const std::string_view message = Trim(wholeText);
  if (message.empty()) return;
  dictionary.AddUserSentence(message, 1);
  if (!previousSentence.empty()) {
    dictionary.AddUserSentencePair(previousSentence, message, 1);
  } else {
    dictionary.AddUserSentence(kStartOfTextWord, 1);
    dictionary.AddUserSentencePair(kStartOfTextWord, message, 1);
  }
}

void CUserAdaptation::LearnAfterKeyOutput(CDictionary& dictionary, bool adaptationOn,
                                          std::string_view keyText,
                                          const TextBeforeCaret& caret) {
  switch (ShapeOfText(keyText)) {
    case TextShape::kSentence:
    case TextShape::kPunctuation:
      LearnSentence(dictionary, adaptationOn, caret.lastSentence, caret.previousSentence);
      LearnWord(dictionary, adaptationOn, caret.lastWord, caret.previousWord);
      break;
    case TextShape::kSingleWord:
    case TextShape::kWordSequence:
      LearnWord(dictionary, adaptationOn, caret.lastWord, caret.previousWord);
      break;
    case TextShape::kNone:
      break;
  }
}

}  // namespace vorelio
