#include "prediction/WordPredictor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "PredictionTestDictionary.h"

namespace vorelio {
namespace {

using testing::DictionaryFiles;
using testing::NumberedWords;
using testing::TestDictionary;

// General words, F_g = 10000:   user words, F_u = 100:
//   ___     1000  (no class)     casaco 10
//   a       2890  art            o      80
//   casa    1000  nome           ver    10
//   casaco   100  nome
//   casas     10  nome         General pairs, Q_g = 1000:   User pairs, Q_u = 100:
//   caso    1000  verbo          ___ a 300   o casaco 40     o casaco 10
//   o       4000  art            ___ o 500   o caso 10       ver casa 90
//   ver        0  verbo          o casa 50   ver casa 100
// Classes, C = 10000: art 5000, nome 2500, verbo 2500.
// Class pairs, D = 1000: art nome 800, art verbo 200.
DictionaryFiles SmallFiles() {
  DictionaryFiles files;
  files.words =
      "___ 1000\na 2890 art\ncasa 1000 nome\ncasaco 100 nome\ncasas 10 nome\n"
      "caso 1000 verbo\no 4000 art\nver 0 verbo\n";
  files.userWords = "casaco 10\no 80\nver 10\n";
  files.pairs = "___ a 300\n___ o 500\no casa 50\no casaco 40\no caso 10\nver casa 100\n";
  files.userPairs = "o casaco 10\nver casa 90\n";
  files.classes = "art 5000\nnome 2500\nverbo 2500\n";
  files.classPairs = "art nome 800\nart verbo 200\n";
  return files;
}

// K_word 1, K_user_word 10, K_pair 100, K_user_pair 1000, K_class 1: each
// term can be told apart in the totals.
PredictionOptions DistinctCoefficients() {
  PredictionOptions options;
  options.wordFrequencyCoefficient = 1;
  options.userWordFrequencyCoefficient = 10;
  options.wordPairCoefficient = 100;
  options.userWordPairCoefficient = 1000;
  options.wordClassCoefficient = 1;
  return options;
}

struct Ranked {
  std::string text;
  double score;
};

std::vector<Ranked> Best(CWordPredictor& predictor, int32_t n = 100) {
  std::vector<CDictionaryWordScore> out(static_cast<std::size_t>(std::max(n, 1)));
  const int32_t count = predictor.BestPredictions(n, out);
  std::vector<Ranked> result;
  for (int32_t i = 0; i < count; ++i) result.push_back({out[i].entry->text, out[i].score});
  return result;
}

std::vector<std::string> CandidateTexts(const CWordPredictor& predictor) {
  std::vector<std::string> texts;
  for (const CDictionaryWordScore& c : predictor.Candidates()) texts.push_back(c.entry->text);
  return texts;
}

class WordPredictorTest : public ::testing::Test {
 protected:
  const TestDictionary dictionary{SmallFiles()};
  CWordPredictor predictor;
};

TEST_F(WordPredictorTest, ScoresAddTheThreePassesAfterAPreviousWord) {
  // P = o: r_g = 4000/10000 = 0.4, r_u = 80/100 = 0.8, class art: r_c = 0.5.
  //           word pass                 pair pass                          class pass
  // casa:     1000/10000         = 0.1   100*(50/1000)/0.4 = 12.5           (800/1000)/0.5 = 1.6
  // casaco:   0.01 + 10*10/100   = 1.01  100*(40/1000)/0.4 + 1000*(10/100)/0.8
  //                                      = 10 + 125                         1.6
  // casas:    0.001                      not a successor                    1.6
  // caso:     0.1                        100*(10/1000)/0.4 = 2.5           (200/1000)/0.5 = 0.4
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "O", "CAS");
  const std::vector<Ranked> best = Best(predictor);
  ASSERT_EQ(best.size(), 4u);
  EXPECT_EQ(best[0].text, "casaco");
  EXPECT_NEAR(best[0].score, 137.61, 1e-9);
  EXPECT_EQ(best[1].text, "casa");
  EXPECT_NEAR(best[1].score, 14.2, 1e-9);
  EXPECT_EQ(best[2].text, "caso");
  EXPECT_NEAR(best[2].score, 3.0, 1e-9);
  EXPECT_EQ(best[3].text, "casas");
  EXPECT_NEAR(best[3].score, 1.601, 1e-9);
  // The candidate set keeps gathering order and score 0.
  EXPECT_EQ(CandidateTexts(predictor),
            (std::vector<std::string>{"casa", "casaco", "casas", "caso"}));
  for (const CDictionaryWordScore& c : predictor.Candidates()) EXPECT_EQ(c.score, 0.0);
}

TEST_F(WordPredictorTest, PreviousWordWithoutGeneralFrequencyGivesNoGeneralPairTerm) {
  // P = ver: general frequency 0, so the general pair (ver casa 100) adds
  // nothing; the user part is 1000 * (90/100) / (10/100) = 9000. Class verbo
  // has no pair with nome: class term 0.
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "ver", "casa");
  const std::vector<Ranked> best = Best(predictor);
  ASSERT_EQ(best.size(), 2u);  // casaco, casas: casa itself is never suggested
  EXPECT_EQ(best[0].text, "casaco");
  EXPECT_NEAR(best[0].score, 1.01, 1e-12);
  EXPECT_EQ(best[1].text, "casas");
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "ver", "cas");
  EXPECT_NEAR(Best(predictor)[0].score, 9000.1, 1e-9);
}

TEST_F(WordPredictorTest, UnknownOrClasslessPreviousWordAddsOnlyTheWordPass) {
  for (std::string_view previous : {"", "inexistente"}) {
    predictor.PredictWords(*dictionary, DistinctCoefficients(), previous, "cas");
    const std::vector<Ranked> best = Best(predictor);
    ASSERT_EQ(best.size(), 4u) << previous;
    // casaco 1.01, then casa and caso tie at 0.1 (later first), casas 0.001.
    EXPECT_EQ(best[0].text, "casaco");
    EXPECT_EQ(best[1].text, "caso");
    EXPECT_EQ(best[2].text, "casa");
    EXPECT_EQ(best[3].text, "casas");
    EXPECT_NEAR(best[1].score, 0.1, 1e-15);
  }
}

TEST_F(WordPredictorTest, NextWordAfterStartOfTextIsTheSuccessorsOfStartOfText) {
  // P = ___: r_g = 1000/10000 = 0.1, r_u = 0 (no user pair term), no class.
  // a: 0.289 + 100*(300/1000)/0.1 = 300.289
  // o: 0.4 + 10*80/100 + 100*(500/1000)/0.1 = 508.4
  std::vector<std::string> prefixes{""};
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "___", prefixes);
  EXPECT_EQ(CandidateTexts(predictor), (std::vector<std::string>{"a", "o"}));
  const std::vector<Ranked> best = Best(predictor);
  ASSERT_EQ(best.size(), 2u);
  EXPECT_EQ(best[0].text, "o");
  EXPECT_NEAR(best[0].score, 508.4, 1e-9);
  EXPECT_EQ(best[1].text, "a");
  EXPECT_NEAR(best[1].score, 300.289, 1e-9);

  // No previous word and nothing typed: nothing at all.
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "", prefixes);
  EXPECT_EQ(predictor.Candidates().Count(), 0u);
  EXPECT_TRUE(Best(predictor).empty());
}

TEST_F(WordPredictorTest, PrefixListConcatenatesContributionsAndKeepsDuplicates) {
  std::vector<std::string> prefixes{"CASA", "", "Cas", "zzz"};
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "o", prefixes);
  EXPECT_EQ(prefixes, (std::vector<std::string>{"casa", "", "cas", "zzz"}));
  EXPECT_EQ(CandidateTexts(predictor),
            (std::vector<std::string>{"casaco", "casas",                  // casa
                                      "casa", "casaco", "caso",           // successors of o
                                      "casa", "casaco", "casas", "caso"}));  // cas
  // Every copy of a word gets the same score; among them the later copy
  // ranks first.
  const std::vector<Ranked> best = Best(predictor, 3);
  ASSERT_EQ(best.size(), 3u);
  for (const Ranked& r : best) EXPECT_EQ(r.text, "casaco");
  EXPECT_EQ(predictor.Ranked()[0].score, predictor.Ranked()[6].score);
  EXPECT_EQ(predictor.Ranked()[1].score, predictor.Ranked()[7].score);

  // All-empty list with a previous word: the successors once, not per element.
  std::vector<std::string> empties{"", ""};
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "o", empties);
  EXPECT_EQ(CandidateTexts(predictor), (std::vector<std::string>{"casa", "casaco", "caso"}));
  // Empty elements contribute nothing without a previous word.
  std::vector<std::string> mixed{"", "caso"};
  predictor.PredictWords(*dictionary, DistinctCoefficients(), "", mixed);
  EXPECT_TRUE(predictor.Candidates().Count() == 0);
}

TEST(WordPredictorLimitsTest, GatheringStopsWhenTheCandidateSetIsFull) {
  DictionaryFiles files;
  files.words = NumberedWords(100010, 1);
  const TestDictionary dictionary(files);
  CWordPredictor predictor;
  std::vector<std::string> prefixes{"w00000", "w"};  // 10 words, then 100010
  predictor.PredictWords(*dictionary, PredictionOptions{}, "", prefixes);
  ASSERT_EQ(predictor.Candidates().Count(), 100000u);
  EXPECT_EQ(predictor.Candidates()[9].entry->text, "w000009");
  EXPECT_EQ(predictor.Candidates()[10].entry->text, "w000000");
  EXPECT_EQ(predictor.Candidates()[99999].entry->text, "w099989");
  EXPECT_EQ(predictor.Ranked().Count(), 100000u);
}

TEST(WordPredictorLimitsTest, PairTermsComeFromTheFirstTenThousandSuccessorRecords) {
  // w000000 is followed by the 10009 words after it; its records hold only
  // the first 10000 of them, so the last nine get no pair term.
  DictionaryFiles files;
  files.words = NumberedWords(10010, 1);
  char line[48];
  for (int i = 1; i < 10010; ++i) {
    std::snprintf(line, sizeof line, "w000000 w%06d 1\n", i);
    files.pairs += line;
  }
  const TestDictionary dictionary(files);
  PredictionOptions pairsOnly;
  pairsOnly.wordFrequencyCoefficient = pairsOnly.userWordFrequencyCoefficient = 0;
  pairsOnly.userWordPairCoefficient = pairsOnly.wordClassCoefficient = 0;
  pairsOnly.wordPairCoefficient = 1;
  CWordPredictor predictor;
  predictor.PredictWords(*dictionary, pairsOnly, "w000000", "w");
  ASSERT_EQ(predictor.Ranked().Count(), 10010u);
  const double term = (1.0 / 10009) / (1.0 / 10010);  // (g / Q_g) / r_g
  EXPECT_EQ(predictor.Ranked()[0].score, 0.0);  // not its own successor
  EXPECT_EQ(predictor.Ranked()[1].score, term);
  EXPECT_EQ(predictor.Ranked()[10000].score, term);
  EXPECT_EQ(predictor.Ranked()[10001].score, 0.0);
  EXPECT_EQ(predictor.Ranked()[10009].score, 0.0);
}

// Ranking on hand-made scores; entries only give the candidates identities.
class RankingTest : public ::testing::Test {
 protected:
  std::vector<CDictionaryWordScore> WithScores(std::initializer_list<double> scores) {
    std::vector<CDictionaryWordScore> candidates;
    for (double s : scores) candidates.push_back({CDictionaryWord(&words_[candidates.size()]), s});
    return candidates;
  }
  // Gathering indices of the ranked list.
  std::vector<int> Rank(const std::vector<CDictionaryWordScore>& candidates, int32_t n,
                        std::size_t outSize) {
    std::vector<CDictionaryWordScore> out(outSize);
    const int32_t count = RankBest<CDictionaryWordScore>(candidates, n, out);
    std::vector<int> indices;
    for (int32_t i = 0; i < count; ++i)
      indices.push_back(static_cast<int>(&out[i].entry.Get() - words_.data()));
    return indices;
  }
  std::array<CWord, 16> words_;
};

TEST_F(RankingTest, EqualScoresPutLaterCandidatesFirstAndDoNotDisplaceAtTheCut) {
  // N = 3 over scores 1 1 2 1 3 5 2:
  //   c0 -> [c0]; c1 (1) before c0 -> [c1 c0]; c2 (2) -> [c2 c1 c0];
  //   c3 (1) is not above the last (1): ignored;
  //   c4 (3) > 1: c0 leaves -> [c4 c2 c1]; c5 (5) > 1: c1 leaves -> [c5 c4 c2];
  //   c6 (2) is not above the last (2): ignored.
  const auto candidates = WithScores({1, 1, 2, 1, 3, 5, 2});
  EXPECT_EQ(Rank(candidates, 3, 3), (std::vector<int>{5, 4, 2}));
  // With room for all: descending, equal scores later first.
  EXPECT_EQ(Rank(candidates, 10, 10), (std::vector<int>{5, 4, 6, 2, 3, 1, 0}));
  EXPECT_EQ(Rank(candidates, 1, 1), (std::vector<int>{5}));
}

TEST_F(RankingTest, EmptyInputsAndNonPositiveLimitsGiveNothing) {
  const auto candidates = WithScores({4, 2});
  EXPECT_TRUE(Rank(candidates, 0, 4).empty());
  EXPECT_TRUE(Rank(candidates, -3, 4).empty());
  EXPECT_TRUE(Rank({}, 5, 4).empty());
  // An output shorter than n limits the list instead of overrunning it.
  EXPECT_EQ(Rank(candidates, 5, 1), (std::vector<int>{0}));
}

}  // namespace
}  // namespace vorelio
