#include "prediction/SentencePredictor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PredictionTestDictionary.h"

namespace vorelio {
namespace {

using testing::DictionaryFiles;
using testing::TestDictionary;

// General sentences, F_g = 1000:       user sentences, F_u = 10:
//   ___              100                  bom dia amigo 10
//   boa tarde        100
//   bom dia          500               General pairs, Q_g = 100:
//   bom dia a todos  300                  ___ -> bom dia 60, ___ -> boa tarde 40
//   obrigado           0
DictionaryFiles SentenceFiles() {
  DictionaryFiles files;
  files.sentences = "___ 100\nboa|tarde 100\nbom|dia 500\nbom|dia|a|todos 300\nobrigado 0\n";
  files.userSentences = "bom|dia|amigo 10\n";
  files.sentencePairs = "___ bom|dia 60\n___ boa|tarde 40\n";
  return files;
}

struct Ranked {
  std::string text;
  double score;
};

std::vector<Ranked> Best(CSentencePredictor& predictor) {
  std::vector<CDictionarySentenceScore> out(100);
  const int32_t count = predictor.BestPredictions(100, out);
  std::vector<Ranked> result;
  for (int32_t i = 0; i < count; ++i) result.push_back({out[i].entry->text, out[i].score});
  return result;
}

class SentencePredictorTest : public ::testing::Test {
 protected:
  const TestDictionary dictionary{SentenceFiles()};
  CSentencePredictor predictor;
};

TEST_F(SentencePredictorTest, ScoresFrequencyAndPairTermsWithWeightOne) {
  // P = ___: r_g = 100/1000 = 0.1, r_u = 0.
  // bom dia:          500/1000 = 0.5 + (60/100)/0.1 = 6   -> 6.5
  // bom dia a todos:  0.3                                 -> 0.3
  // bom dia amigo:    10/10 = 1                           -> 1.0
  predictor.PredictSentences(*dictionary, PredictionOptions{}, "___", "bom d");
  const std::vector<Ranked> best = Best(predictor);
  ASSERT_EQ(best.size(), 3u);
  EXPECT_EQ(best[0].text, "bom dia");
  EXPECT_NEAR(best[0].score, 6.5, 1e-12);
  EXPECT_EQ(best[1].text, "bom dia amigo");
  EXPECT_NEAR(best[1].score, 1.0, 1e-12);
  EXPECT_EQ(best[2].text, "bom dia a todos");
  EXPECT_NEAR(best[2].score, 0.3, 1e-12);
}

TEST_F(SentencePredictorTest, NextSentenceAfterStartOfTextIsItsSuccessors) {
  // boa tarde: 0.1 + (40/100)/0.1 = 4.1; bom dia 6.5.
  std::vector<std::string> prefixes{""};
  predictor.PredictSentences(*dictionary, PredictionOptions{}, "___", prefixes);
  ASSERT_EQ(predictor.Candidates().Count(), 2u);
  EXPECT_EQ(predictor.Candidates()[0].entry->text, "boa tarde");
  const std::vector<Ranked> best = Best(predictor);
  ASSERT_EQ(best.size(), 2u);
  EXPECT_EQ(best[0].text, "bom dia");
  EXPECT_EQ(best[1].text, "boa tarde");
  EXPECT_NEAR(best[1].score, 4.1, 1e-12);
}

TEST_F(SentencePredictorTest, CaseAndBlanksDoNotMatterAndTheWholeSentenceIsLeftOut) {
  std::vector<std::string> typed{"  Bom   DIA"};
  predictor.PredictSentences(*dictionary, PredictionOptions{}, "  ___", typed);
  const std::vector<Ranked> best = Best(predictor);
  ASSERT_EQ(best.size(), 2u);  // "bom dia" itself is not suggested again
  EXPECT_EQ(best[0].text, "bom dia amigo");
  EXPECT_EQ(best[1].text, "bom dia a todos");
  EXPECT_EQ(typed[0], "  Bom   DIA");  // the caller's list is left as it was

  // A prefix of blanks only is not empty: it asks for nothing rather than
  // for the successors of the previous sentence.
  std::vector<std::string> blanks{"   "};
  predictor.PredictSentences(*dictionary, PredictionOptions{}, "___", blanks);
  EXPECT_EQ(predictor.Candidates().Count(), 0u);
}

TEST_F(SentencePredictorTest, CoefficientsDoNotChangeTheScores) {
  std::vector<std::string> prefixes{"bo", ""};
  predictor.PredictSentences(*dictionary, PredictionOptions{}, "___", prefixes);
  const std::vector<Ranked> usual = Best(predictor);
  PredictionOptions other;
  other.wordFrequencyCoefficient = 0;
  other.userWordFrequencyCoefficient = 7;
  other.wordPairCoefficient = -3;
  other.userWordPairCoefficient = 0;
  other.wordClassCoefficient = 1000;
  predictor.PredictSentences(*dictionary, other, "___", prefixes);
  const std::vector<Ranked> changed = Best(predictor);
  ASSERT_EQ(usual.size(), 6u);  // four with "bo" and the two successors again
  ASSERT_EQ(changed.size(), usual.size());
  for (std::size_t i = 0; i < usual.size(); ++i) {
    EXPECT_EQ(changed[i].text, usual[i].text);
    EXPECT_EQ(changed[i].score, usual[i].score);
  }
}

}  // namespace
}  // namespace vorelio
