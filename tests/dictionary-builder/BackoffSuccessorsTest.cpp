#include "tools/dictionary-builder/BackoffSuccessors.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

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

const std::map<std::string, WordEntry> kWords =
    Words({{"casa", 1000, "NOUN"}, {"gato", 500, "NOUN"}, {"raro", 20, "NOUN"},
           {"e", 9000, "CCONJ"}, {"come", 800, "VERB"}, {"corre", 200, "VERB"},
           {"[casa]", 1000, "NOUN"}, {"___", 50, ""}, {"olá", 700, ""}});

// Observed (weighted) pairs: after a noun, "e" 6 times in 8 and "come" 2
// ("raro" is too rare to count, a pictogram never counts); after a verb,
// "casa" 3 times in 4 and "gato" once.
std::vector<PairEntry> ObservedPairs() {
  return {{"gato", "e", 6},     {"gato", "come", 2},  {"gato", "raro", 5},
          {"gato", "[casa]", 4}, {"come", "casa", 3}, {"corre", "gato", 1}};
}
const std::map<std::string, int64_t> kOccurrences = {{"gato", 9}, {"come", 3}, {"corre", 1}};

TEST(BackoffSuccessorsTest, WordsGetWhatFollowsTheirClassInTheShareTheirPairsLeave) {
  std::vector<PairEntry> pairs = ObservedPairs();
  const std::size_t added = AddBackoffSuccessors(pairs, kOccurrences, kWords, {2, 30});
  // Observed counts are scaled, never changed otherwise.
  EXPECT_EQ(PairsOf(pairs, "gato"),
            (std::map<std::string, int64_t>{
                {"e", 6000}, {"come", 2000}, {"raro", 5000}, {"[casa]", 4000}}));
  // "casa" has no pairs: all of its share goes to what follows a noun.
  EXPECT_EQ(PairsOf(pairs, "casa"), (std::map<std::string, int64_t>{{"e", 750}, {"come", 250}}));
  // "come" was seen 3 times with 1 distinct successor: a quarter of its
  // whole (3000 / 0.75 = 4000) is left, and "gato" takes 1/4 of it; its own
  // "casa" is not added again.
  EXPECT_EQ(PairsOf(pairs, "come"), (std::map<std::string, int64_t>{{"casa", 3000}, {"gato", 250}}));
  // "corre": once, one successor: half its whole (2000) is left, "casa"
  // takes 3/4 of it.
  EXPECT_EQ(PairsOf(pairs, "corre"), (std::map<std::string, int64_t>{{"gato", 1000}, {"casa", 750}}));
  // Too rare, pictograms, "___", words without class or whose class has no
  // observed followers: nothing.
  for (const char* word : {"raro", "[casa]", "___", "olá", "e"}) {
    EXPECT_TRUE(PairsOf(pairs, word).empty()) << word;
  }
  EXPECT_EQ(added, 4u);
}

TEST(BackoffSuccessorsTest, AtMostTheLimitPerWord) {
  std::vector<PairEntry> pairs = ObservedPairs();
  AddBackoffSuccessors(pairs, kOccurrences, kWords, {1, 30});
  EXPECT_EQ(PairsOf(pairs, "casa"), (std::map<std::string, int64_t>{{"e", 750}}));
  std::vector<PairEntry> none;
  EXPECT_EQ(AddBackoffSuccessors(none, {}, kWords, {}), 0u);  // no pairs, no followers
}

}  // namespace
}  // namespace vorelio::builder
