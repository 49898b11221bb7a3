#include "tools/dictionary-builder/BackoffSuccessors.h"

#include <gtest/gtest.h>

#include <map>

namespace vorelio::builder {
namespace {

std::map<std::string, WordEntry> Words(
    std::initializer_list<std::tuple<const char*, int64_t, const char*>> entries) {
  std::map<std::string, WordEntry> words;
  for (const auto& [text, frequency, wordClass] : entries) {
    words.emplace(text, WordEntry{text, frequency, wordClass});
  }
  return words;
}

std::map<std::string, int64_t> PairsOf(const std::vector<PairEntry>& pairs,
                                       const std::string& first) {
  std::map<std::string, int64_t> out;
  for (const PairEntry& pair : pairs) {
    if (pair.first == first) out[pair.second] += pair.frequency;
  }
  return out;
}

// Nouns are followed by a conjunction 3 times in 4, by a verb once; verbs
// by a noun.
const std::map<std::pair<std::string, std::string>, int64_t> kClassPairs = {
    {{"NOUN", "CCONJ"}, 30}, {{"NOUN", "VERB"}, 10}, {{"VERB", "NOUN"}, 5}};

const std::map<std::string, WordEntry> kWords =
    Words({{"casa", 1000, "NOUN"}, {"gato", 500, "NOUN"}, {"raro", 20, "NOUN"},
           {"e", 9000, "CCONJ"}, {"ou", 1000, "CCONJ"}, {"come", 800, "VERB"},
           {"corre", 200, "VERB"}, {"[casa]", 1000, "NOUN"}, {"___", 50, ""},
           {"olá", 700, ""}});

TEST(BackoffSuccessorsTest, AWordWithoutPairsGetsTheBestFollowersOfItsClass) {
  std::vector<PairEntry> pairs;
  const std::size_t added = AddBackoffSuccessors(pairs, {}, kWords, kClassPairs, {2, 30});
  // "casa" and "gato" (nouns, frequent enough) each get the two best words
  // after a noun: e (0.75 x 0.9) and come (0.25 x 0.8), not ou (0.75 x 0.1).
  // Verbs get the two nouns. "raro" is too rare to get or be a successor;
  // pictograms, "___" and words without class get nothing.
  EXPECT_EQ(added, 8u);  // "corre" too
  EXPECT_EQ(PairsOf(pairs, "casa"), (std::map<std::string, int64_t>{{"e", 675}, {"come", 200}}));
  EXPECT_EQ(PairsOf(pairs, "gato"), PairsOf(pairs, "casa"));
  const auto afterVerb = PairsOf(pairs, "come");
  ASSERT_EQ(afterVerb.size(), 2u);
  EXPECT_GT(afterVerb.at("casa"), afterVerb.at("gato"));
  EXPECT_TRUE(PairsOf(pairs, "raro").empty());
  EXPECT_TRUE(PairsOf(pairs, "[casa]").empty());
  EXPECT_TRUE(PairsOf(pairs, "___").empty());
  EXPECT_TRUE(PairsOf(pairs, "olá").empty());
  for (const PairEntry& pair : pairs) {
    EXPECT_NE(pair.second, "[casa]");
    EXPECT_NE(pair.second, "raro");
  }
}

TEST(BackoffSuccessorsTest, ObservedPairsKeepTheShareTheirCountsExplain) {
  // "casa" was seen 3 times first in a pair, with 1 distinct successor
  // ("ou", weighted count 6): the unexplained share is 1 / (3 + 1), so the
  // observed pair holds 3/4 of the whole and the added ones 1/4 between them
  // in proportion to their class probability.
  std::vector<PairEntry> pairs = {{"casa", "ou", 6}};
  AddBackoffSuccessors(pairs, {{"casa", 3}}, kWords, kClassPairs, {2, 30});
  const auto after = PairsOf(pairs, "casa");
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(after.at("ou"), 6 * kBackoffCountScale);  // scaled, not doubled
  const double whole = 6.0 * kBackoffCountScale / 0.75;
  EXPECT_NEAR(after.at("e"), whole * 0.25 * 0.675, 1.0);
  EXPECT_NEAR(after.at("come"), whole * 0.25 * 0.2, 1.0);
}

TEST(BackoffSuccessorsTest, AnObservedSuccessorIsNotAddedAgainAndTheLimitHolds) {
  std::vector<PairEntry> pairs = {{"casa", "e", 1}};
  AddBackoffSuccessors(pairs, {{"casa", 1}}, kWords, kClassPairs, {1, 30});
  // "e" was observed, so the one added successor is the next best, "come".
  EXPECT_EQ(PairsOf(pairs, "casa"),
            (std::map<std::string, int64_t>{{"e", kBackoffCountScale}, {"come", 200}}));
}

}  // namespace
}  // namespace vorelio::builder
