#include "prediction/UserAdaptation.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

#include "common/Text.h"

namespace vorelio {
namespace {

class UserAdaptationTest : public ::testing::Test {
 protected:
  int32_t Word(std::string_view word) const {
    const CDictionaryWord entry = dictionary.FindWord(word);
    return entry.IsNone() ? -1 : entry->userFrequency;
  }
  int32_t Pair(std::string_view first, std::string_view second) const {
    return dictionary.UserSuccessorFrequency(first, second);
  }
  int32_t Sentence(std::string_view sentence) const {
    const CDictionarySentence entry = dictionary.FindSentence(sentence);
    return entry.IsNone() ? -1 : entry->userFrequency;
  }
  int32_t SentencePair(std::string_view first, std::string_view second) const {
    const CDictionarySentence entry = dictionary.FindSentence(first);
    if (entry.IsNone()) return 0;
    for (const CNextSentence& next : entry->successors)
      if (next.text == NormalizeSentence(second)) return next.userFrequency;
    return 0;
  }

  RecordingMessageBox messages;
  CDictionary dictionary{testing::DiskFiles(), messages};
  CUserAdaptation adaptation;
};

TEST_F(UserAdaptationTest, AdaptationOffChangesNothing) {
  adaptation.LearnWord(dictionary, false, "Bom", "");
  adaptation.LearnSentence(dictionary, false, "Bom dia.", "");
  adaptation.LearnMessage(dictionary, false, "Bom dia.", "");
  adaptation.LearnAfterKeyOutput(dictionary, false, "dia.", {"dia", "bom", "Bom dia.", ""});
  EXPECT_EQ(dictionary.WordCount(), 0);
  EXPECT_EQ(dictionary.SentenceCount(), 0);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWords).modified);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserWordPairs).modified);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserSentences).modified);
  EXPECT_FALSE(dictionary.File(DictionaryFile::kUserSentencePairs).modified);
  EXPECT_TRUE(adaptation.LastLearnedWord().empty());
}

TEST_F(UserAdaptationTest, BomDiaAtTheStartOfATextWithNothingLearned) {
  adaptation.LearnWord(dictionary, true, "Bom", "");
  adaptation.LearnWord(dictionary, true, "dia", "Bom");
  EXPECT_EQ(Word("___"), 1);
  EXPECT_EQ(Word("bom"), 1);
  EXPECT_EQ(Word("dia"), 1);
  EXPECT_EQ(Pair("___", "bom"), 1);
  EXPECT_EQ(Pair("bom", "dia"), 1);
  EXPECT_EQ(Pair("___", "dia"), 0);
  EXPECT_EQ(dictionary.UserWordTotal(), 3);
  EXPECT_EQ(dictionary.UserPairTotal(), 2);
  EXPECT_EQ(adaptation.LastLearnedWord(), "dia");
}

TEST_F(UserAdaptationTest, WordWithNoPreviousWordPairsWithTheLastLearnedAndTheStart) {
  adaptation.LearnWord(dictionary, true, "N\xC3o", "");  // "NÃo" lower-cases to "não"
  adaptation.LearnWord(dictionary, true, "sim", "");
  EXPECT_EQ(Pair("n\xE3o", "sim"), 1);
  EXPECT_EQ(Pair("___", "sim"), 1);
  EXPECT_EQ(Word("___"), 2);
  adaptation.LearnWord(dictionary, true, "", "sim");  // nothing before the caret
  EXPECT_EQ(adaptation.LastLearnedWord(), "sim");
}

TEST_F(UserAdaptationTest, SentencesFollowTheSameSteps) {
  adaptation.LearnSentence(dictionary, true, "Ol\xE1 mundo.", "");
  adaptation.LearnSentence(dictionary, true, "Tudo  bem?", "Ol\xE1 mundo.");
  adaptation.LearnSentence(dictionary, true, "Sim.", "");  // the text was cleared
  adaptation.LearnSentence(dictionary, true, "   ", "Sim.");
  EXPECT_EQ(Sentence("___"), 2);
  EXPECT_EQ(Sentence("ol\xE1 mundo."), 1);
  EXPECT_EQ(Sentence("tudo bem?"), 1);
  EXPECT_EQ(SentencePair("___", "ol\xE1 mundo."), 1);
  EXPECT_EQ(SentencePair("ol\xE1 mundo.", "tudo bem?"), 1);
  EXPECT_EQ(SentencePair("tudo bem?", "sim."), 1);
  EXPECT_EQ(SentencePair("___", "sim."), 1);
  EXPECT_EQ(adaptation.LastLearnedSentence(), "Sim.");
}

TEST_F(UserAdaptationTest, MessageIsOneTrimmedSentenceAndLeavesTheLastLearnedAlone) {
  adaptation.LearnSentence(dictionary, true, "Antes.", "");
  adaptation.LearnMessage(dictionary, true, "  Quero \xE1gua  \n", "");
  adaptation.LearnMessage(dictionary, true, "Obrigado.", "Quero \xE1gua");
  adaptation.LearnMessage(dictionary, true, " \t ", "");
  EXPECT_EQ(Sentence("quero \xE1gua"), 1);
  EXPECT_EQ(SentencePair("___", "quero \xE1gua"), 1);
  EXPECT_EQ(SentencePair("antes.", "quero \xE1gua"), 0);
  EXPECT_EQ(SentencePair("quero \xE1gua", "obrigado."), 1);
  EXPECT_EQ(Sentence("___"), 2);
  EXPECT_EQ(adaptation.LastLearnedSentence(), "Antes.");
}

TEST_F(UserAdaptationTest, KeyOutputIsClassifiedBeforeLearning) {
  const TextBeforeCaret caret{"dia", "bom", "Bom dia.", ""};
  struct Case {
    std::string_view keyText;
    int32_t words;      // user frequency of "dia" afterwards
    int32_t sentences;  // user frequency of "bom dia." afterwards
  };
  const Case cases[] = {
      {"dia.", 1, 1},       // a sentence
      {"?!", 1, 1},         // punctuation
      {"dia ", 1, 0},       // a single word
      {"bom dia ", 1, 0},   // a word sequence
      {", ", 0, 0},         // separators only
      {"", 0, 0},           // nothing written
  };
  for (const Case& c : cases) {
    RecordingMessageBox messages;
    CDictionary dictionary(testing::DiskFiles(), messages);
    CUserAdaptation adaptation;
    adaptation.LearnAfterKeyOutput(dictionary, true, c.keyText, caret);
    const CDictionaryWord word = dictionary.FindWord("dia");
    const CDictionarySentence sentence = dictionary.FindSentence("bom dia.");
    EXPECT_EQ(word.IsNone() ? 0 : word->userFrequency, c.words) << c.keyText;
    EXPECT_EQ(sentence.IsNone() ? 0 : sentence->userFrequency, c.sentences) << c.keyText;
  }
}

}  // namespace
}  // namespace vorelio
