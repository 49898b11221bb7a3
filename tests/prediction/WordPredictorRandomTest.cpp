// The word predictor against a plain reference: gathering through the
// dictionary's handle queries, one bisection on the texts per candidate for
// the pair term, class lookups per candidate and the insertion-list ranking,
// over random dictionaries and requests. Scores must agree bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "PredictionTestDictionary.h"
#include "common/Text.h"
#include "prediction/WordPredictor.h"

namespace vorelio {
namespace {

using testing::DictionaryFiles;
using testing::TestDictionary;

double Q(double a, double b) { return b == 0.0 ? 0.0 : a / b; }

std::vector<CDictionaryWordScore> ReferencePredict(const CDictionary& d,
                                                   const PredictionOptions& o,
                                                   std::string previous,
                                                   std::vector<std::string> prefixes) {
  ToLowerInPlace(previous);
  for (std::string& p : prefixes) ToLowerInPlace(p);
  std::vector<CDictionaryWord> handles(250000);
  std::vector<CDictionaryWordScore> scored;
  auto add = [&](int32_t n) {
    for (int32_t i = 0; i < n && scored.size() < 100000; ++i) scored.push_back({handles[i], 0.0});
  };
  const bool allEmpty =
      std::all_of(prefixes.begin(), prefixes.end(), [](const std::string& p) { return p.empty(); });
  if (allEmpty) {
    if (!previous.empty()) add(d.SuccessorsOfWord(previous, handles));
  } else {
    for (const std::string& p : prefixes) {
      if (!p.empty())
        add(d.WordsWithPrefix(p, handles));
      else if (!previous.empty())
        add(d.SuccessorsOfWord(previous, handles));
    }
  }
  if (scored.empty()) return scored;

  for (CDictionaryWordScore& c : scored)
    c.score += Q(double(o.wordFrequencyCoefficient) * c.entry->generalFrequency,
                 d.GeneralWordTotal()) +
               Q(double(o.userWordFrequencyCoefficient) * c.entry->userFrequency,
                 d.UserWordTotal());

  if (!previous.empty()) {
    CDictionaryNextWordSet records(kSuccessorCapacity);
    const int32_t n = d.SuccessorRecordsOfWord(previous, records);
    if (n >= 1) {
      const CDictionaryWord p = d.FindWord(previous);
      const double rg = Q(p->generalFrequency, d.GeneralWordTotal());
      const double ru = Q(p->userFrequency, d.UserWordTotal());
      for (CDictionaryWordScore& c : scored) {
        int32_t low = 0, high = n - 1;
        while (low < high) {
          const int32_t mid = (low + high) / 2;
          if (c.entry->text <= records[mid].entry->text)
            high = mid;
          else
            low = mid + 1;
        }
        if (records[low].entry->text != c.entry->text) continue;
        const double g = Q(Q(records[low].generalFrequency, d.GeneralPairTotal()), rg);
        const double u = Q(Q(records[low].userFrequency, d.UserPairTotal()), ru);
        c.score += o.wordPairCoefficient * g + o.userWordPairCoefficient * u;
      }
    }
    const CDictionaryWord p = d.FindWord(previous);
    if (!p.IsNone() && !p->wordClass.empty()) {
      const double rc = Q(d.ClassFrequency(p->wordClass), d.Classes().Total());
      if (rc != 0.0) {
        for (CDictionaryWordScore& c : scored) {
          const int32_t e = c.entry->wordClass.empty()
                                ? 0
                                : d.ClassPairFrequency(p->wordClass, c.entry->wordClass);
          c.score += o.wordClassCoefficient * Q(Q(e, d.ClassPairs().Total()), rc);
        }
      }
    }
  }
  return scored;
}

// The insertion list exactly as described.
std::vector<CDictionaryWordScore> ReferenceRank(const std::vector<CDictionaryWordScore>& c,
                                                int32_t n) {
  std::list<CDictionaryWordScore> list;
  if (c.empty() || n <= 0) return {};
  auto insert = [&](const CDictionaryWordScore& s) {
    auto it = std::find_if(list.begin(), list.end(),
                           [&](const CDictionaryWordScore& e) { return e.score <= s.score; });
    list.insert(it, s);
  };
  list.push_back(c[0]);
  std::size_t i = 1;
  for (; i < c.size() && i < static_cast<std::size_t>(n); ++i) insert(c[i]);
  for (; i < c.size(); ++i) {
    if (c[i].score > list.back().score) {
      list.pop_back();
      insert(c[i]);
    }
  }
  return {list.begin(), list.end()};
}

std::string RandomWord(std::mt19937& rng) {
  static const std::string alphabet = "abc[]\xE1";
  std::string word(1 + rng() % 4, ' ');
  for (char& ch : word) ch = alphabet[rng() % alphabet.size()];
  return word;
}

DictionaryFiles RandomFiles(std::mt19937& rng, std::vector<std::string>& words) {
  std::set<std::string> unique{"___"};
  const int count = 20 + static_cast<int>(rng() % 200);
  while (static_cast<int>(unique.size()) < count) unique.insert(RandomWord(rng));
  words.assign(unique.begin(), unique.end());
  const char* classes[] = {"", "n", "v", "a"};
  DictionaryFiles f;
  for (const std::string& w : words) {
    const int form = static_cast<int>(rng() % 10);
    if (form == 0) {
      f.words += w + "\n";
    } else {
      const std::string cls = classes[rng() % 4];
      f.words += w + " " + std::to_string(rng() % 4) + (cls.empty() ? "" : " " + cls) + "\n";
    }
    if (rng() % 4 == 0) f.userWords += w + " " + std::to_string(1 + rng() % 3) + "\n";
  }
  auto pick = [&] { return words[rng() % words.size()]; };
  for (int i = static_cast<int>(rng() % 400); i > 0; --i)
    f.pairs += pick() + " " + pick() + " " + std::to_string(rng() % 5) + "\n";
  for (int i = static_cast<int>(rng() % 100); i > 0; --i)
    f.userPairs += pick() + " " + pick() + " " + std::to_string(1 + rng() % 3) + "\n";
  for (const char* c : {"n", "v", "a"})
    f.classes += std::string(c) + " " + std::to_string(rng() % 4) + "\n";
  for (const char* a : {"n", "v", "a"})
    for (const char* b : {"n", "v", "a"})
      if (rng() % 2)
        f.classPairs += std::string(a) + " " + b + " " + std::to_string(rng() % 5) + "\n";
  return f;
}

TEST(WordPredictorRandomTest, MatchesTheReferenceScoresAndRanking) {
  std::mt19937 rng(20240611);
  CWordPredictor predictor;
  for (int round = 0; round < 25; ++round) {
    std::vector<std::string> words;
    const TestDictionary dictionary(RandomFiles(rng, words));
    for (int request = 0; request < 150; ++request) {
      PredictionOptions o;
      auto coefficient = [&] { return static_cast<int32_t>(rng() % 6) - 2; };
      o.wordFrequencyCoefficient = coefficient();
      o.userWordFrequencyCoefficient = coefficient();
      o.wordPairCoefficient = coefficient();
      o.userWordPairCoefficient = coefficient();
      o.wordClassCoefficient = coefficient();

      std::string previous;
      switch (rng() % 5) {
        case 0: previous = ""; break;
        case 1: previous = "___"; break;
        case 2: previous = "zz"; break;
        default: previous = ToUpper(words[rng() % words.size()]);
      }
      std::vector<std::string> prefixes(1 + rng() % 3);
      for (std::string& p : prefixes)
        if (rng() % 4 != 0) p = RandomWord(rng).substr(0, 1 + rng() % 2);

      const auto expected = ReferencePredict(*dictionary, o, previous, prefixes);
      if (prefixes.size() == 1 && rng() % 2) {
        predictor.PredictWords(*dictionary, o, previous, prefixes[0]);
      } else {
        std::vector<std::string> list = prefixes;
        predictor.PredictWords(*dictionary, o, previous, list);
      }
      const std::string where = "round " + std::to_string(round) + " request " +
                                std::to_string(request) + " previous '" + previous + "'";
      ASSERT_EQ(predictor.Ranked().Count(), expected.size()) << where;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(predictor.Candidates()[i].entry, expected[i].entry) << where;
        ASSERT_EQ(predictor.Ranked()[i].score, expected[i].score) << where << " #" << i;
      }

      const int32_t n = std::array<int32_t, 5>{1, 3, 10, 100, 1000}[rng() % 5];
      std::vector<CDictionaryWordScore> out(static_cast<std::size_t>(n));
      const int32_t count = predictor.BestPredictions(n, out);
      const auto ranked = ReferenceRank(expected, n);
      ASSERT_EQ(count, static_cast<int32_t>(ranked.size())) << where;
      for (int32_t i = 0; i < count; ++i) {
        ASSERT_EQ(out[i].entry, ranked[i].entry) << where << " rank " << i;
        ASSERT_EQ(out[i].score, ranked[i].score) << where << " rank " << i;
      }
      // With room for every candidate the list is a stable sort by
      // descending score of the candidates taken last-gathered first.
      if (expected.size() <= static_cast<std::size_t>(n)) {
        std::vector<CDictionaryWordScore> sorted(expected.rbegin(), expected.rend());
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& a, const auto& b) { return a.score > b.score; });
        for (int32_t i = 0; i < count; ++i) ASSERT_EQ(out[i].entry, sorted[i].entry) << where;
      }
    }
  }
}

}  // namespace
}  // namespace vorelio
