#include "prediction/Suggestions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PredictionTestDictionary.h"

namespace vorelio {
namespace {

using testing::DictionaryFiles;
using testing::TestDictionary;
using Texts = std::vector<std::string>;

// Words by descending general frequency (no pairs but ___'s, no classes):
//   casa 300, casaco 200, casa de banho 150, casamento 90, casa.x 80,
//   casa,x 70, [casa] 50, [casa de banho] 40, [casa|de|banho] spelled with
//   a doubled blank 30, casal 5, [bom dia] 10, bom 100, dia 100.
DictionaryFiles WordFiles() {
  DictionaryFiles files;
  files.words =
      "___ 100\n"
      "[bom|dia] 10\n"
      "[casa] 50\n"
      "[casa||de|banho] 30\n"
      "[casa|de|banho] 40\n"
      "bom 100\n"
      "casa 300\n"
      "casa,x 70\n"
      "casa.x 80\n"
      "casa|de|banho 150\n"
      "casaco 200\n"
      "casal 5\n"
      "casamento 90\n"
      "dia 100\n";
  files.pairs = "___ bom 10\n___ [casa] 5\n";
  return files;
}

PredictionOptions Options() {
  PredictionOptions options;
  options.maxWordLetters = 8;
  options.maxSentenceLetters = 20;
  return options;
}

class WordSuggestionsTest : public ::testing::Test {
 protected:
  const TestDictionary dictionary{WordFiles()};
  CWordPredictor predictor;
  WordSuggestions out;
};

TEST_F(WordSuggestionsTest, SplitsWordsAndPictogramsAndAppliesTheWordRules) {
  out = {{"old"}, {"[old]"}};
  RequestWordSuggestions(*dictionary, predictor, Options(), "Cas", "", "Cas", out);
  // casamento (9 letters) is over the limit of 8 while casal still comes;
  // entries with a blank, a comma or a full stop are not single words.
  EXPECT_EQ(out.words, (Texts{"casa", "casaco", "casal"}));
  // Found through "[cas" twice (second and third prefix); each name once,
  // "[casa  de banho]" being the same name as "[casa de banho]".
  EXPECT_EQ(out.pictograms, (Texts{"[casa]", "[casa de banho]"}));
}

TEST_F(WordSuggestionsTest, TextBeforeCaretFindsPictogramsOfSeveralWords) {
  RequestWordSuggestions(*dictionary, predictor, Options(), "d", "bom", "Bom  d", out);
  EXPECT_EQ(out.words, (Texts{"dia"}));
  EXPECT_EQ(out.pictograms, (Texts{"[bom dia]"}));
  // A text that already holds a pictogram adds no such prefix.
  RequestWordSuggestions(*dictionary, predictor, Options(), "d", "bom", "[eu] bom d", out);
  EXPECT_EQ(out.words, (Texts{"dia"}));
  EXPECT_TRUE(out.pictograms.empty());
}

TEST_F(WordSuggestionsTest, EmptyPreviousWordPredictsFromStartOfText) {
  RequestWordSuggestions(*dictionary, predictor, Options(), "", "", "", out);
  EXPECT_EQ(out.words, (Texts{"bom"}));
  EXPECT_EQ(out.pictograms, (Texts{"[casa]"}));
}

TEST_F(WordSuggestionsTest, UnwantedLettersAndSequencesDropCandidates) {
  PredictionOptions options = Options();
  options.unwantedLetters = "o";
  RequestWordSuggestions(*dictionary, predictor, options, "cas", "", "cas", out);
  EXPECT_EQ(out.words, (Texts{"casa", "casal"}));
  EXPECT_EQ(out.pictograms, (Texts{"[casa]"}));

  options.unwantedLetters.clear();
  options.unwantedSequences = "xyz, al;sa ";  // sequences "xyz", "al", "sa"
  RequestWordSuggestions(*dictionary, predictor, options, "cas", "", "cas", out);
  EXPECT_TRUE(out.words.empty());
  EXPECT_TRUE(out.pictograms.empty());

  options.unwantedSequences = "xyz, al";
  RequestWordSuggestions(*dictionary, predictor, options, "cas", "", "cas", out);
  EXPECT_EQ(out.words, (Texts{"casa", "casaco"}));
}

// Sentences (general frequency; F_g = 1000 with ___):
//   bom dia 400, [bom] [dia] 200, [bom dia] 100 (the same pictogram text
//   as [bom] [dia]), [bom] dia amigo 80, [bom] [dia] [amigo] 60,
//   bom dia a todos os meus amigos 50 (30 letters), [bom] [dia] [a] [todos]
//   [os] [amigos] 40 (34 letters), ___ 70.
DictionaryFiles SentenceFiles() {
  DictionaryFiles files;
  files.sentences =
      "[bom]|[dia] 200\n"
      "[bom]|[dia]|[a]|[todos]|[os]|[amigos] 40\n"
      "[bom]|[dia]|[amigo] 60\n"
      "[bom]|dia|amigo 80\n"
      "[bom|dia] 100\n"
      "___ 70\n"
      "bom|dia 400\n"
      "bom|dia|a|todos|os|meus|amigos 50\n";
  files.sentencePairs = "___ bom|dia 5\n___ [bom]|[dia] 5\n";
  return files;
}

class SentenceSuggestionsTest : public ::testing::Test {
 protected:
  const TestDictionary dictionary{SentenceFiles()};
  CSentencePredictor predictor;
  SentenceSuggestions out;
};

TEST_F(SentenceSuggestionsTest, PlainSentencesAndPictogramRowsFromTypedWords) {
  out = {{"old"}, {"old"}};
  // Prefixes "bom di" and "[bom] [di". Sentences longer than 20 letters are
  // left out unless made of pictograms; the mixed one is dropped; "[bom dia]"
  // repeats "[bom] [dia]" by name.
  RequestSentenceSuggestions(*dictionary, predictor, Options(), "  Bom  di ", "", out);
  EXPECT_EQ(out.sentences, (Texts{"bom dia"}));
  EXPECT_EQ(out.pictogramSentences,
            (Texts{"[bom] [dia]", "[bom] [dia] [amigo]", "[bom] [dia] [a] [todos] [os] [amigos]"}));
}

TEST_F(SentenceSuggestionsTest, TypedPictogramsAlsoLookForTheirWordsAndRows) {
  // Mixed: "[bom] di", "bom di", "[bom] [di".
  RequestSentenceSuggestions(*dictionary, predictor, Options(), "[bom] di", "x", out);
  EXPECT_EQ(out.sentences, (Texts{"bom dia"}));
  EXPECT_EQ(out.pictogramSentences,
            (Texts{"[bom] [dia]", "[bom] [dia] [amigo]", "[bom] [dia] [a] [todos] [os] [amigos]"}));
  // Only pictograms: "[bom] [dia]" and "bom dia".
  RequestSentenceSuggestions(*dictionary, predictor, Options(), "[bom] [dia]", "x", out);
  EXPECT_TRUE(out.sentences.empty());  // the long one is over the limit
  EXPECT_EQ(out.pictogramSentences,
            (Texts{"[bom] [dia] [amigo]", "[bom] [dia] [a] [todos] [os] [amigos]"}));
}

TEST_F(SentenceSuggestionsTest, NothingTypedGivesTheSuccessorsOfThePreviousSentence) {
  RequestSentenceSuggestions(*dictionary, predictor, Options(), "   ", "  ", out);
  EXPECT_EQ(out.sentences, (Texts{"bom dia"}));
  EXPECT_EQ(out.pictogramSentences, (Texts{"[bom] [dia]"}));
  // Text without a word has no pictogram-row form, and must not fall back
  // to the successors.
  RequestSentenceSuggestions(*dictionary, predictor, Options(), "?", "", out);
  EXPECT_TRUE(out.sentences.empty());
  EXPECT_TRUE(out.pictogramSentences.empty());
}

TEST_F(SentenceSuggestionsTest, TheEmptySentenceIsNoSuggestion) {
  // A general line of blanks loads as the empty sentence; here it is the
  // most frequent successor of "___".
  DictionaryFiles files = SentenceFiles();
  files.sentences = "| 300\n" + files.sentences;
  files.sentencePairs += "___ | 9\n";
  const TestDictionary withEmpty(files);
  RequestSentenceSuggestions(*withEmpty, predictor, Options(), "", "", out);
  EXPECT_EQ(out.sentences, (Texts{"bom dia"}));
  EXPECT_EQ(out.pictogramSentences, (Texts{"[bom] [dia]"}));
}

TEST_F(SentenceSuggestionsTest, UnwantedSequencesDropSentences) {
  PredictionOptions options = Options();
  options.unwantedSequences = "amig";
  RequestSentenceSuggestions(*dictionary, predictor, options, "bom di", "", out);
  EXPECT_EQ(out.sentences, (Texts{"bom dia"}));
  EXPECT_EQ(out.pictogramSentences, (Texts{"[bom] [dia]"}));
}

}  // namespace
}  // namespace vorelio
