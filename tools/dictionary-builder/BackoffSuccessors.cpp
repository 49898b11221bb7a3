#include "tools/dictionary-builder/BackoffSuccessors.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

struct Candidate {
  const std::string* word = nullptr;
  double probability = 0;  // of following a word of the class
};

// For each class, the words most likely to follow a word of that class:
// P(class of w | class) x P(w | class of w).
std::map<std::string, std::vector<Candidate>> BestFollowers(
    const std::map<std::string, WordEntry>& words,
    const std::map<std::pair<std::string, std::string>, int64_t>& classPairs,
    std::size_t keep, int64_t minimumFrequency) {
  std::map<std::string, double> classTotals;  // word frequency per class
  for (const auto& [text, entry] : words) {
    if (entry.wordClass.empty() || IsPictogramWord(text) || text == kStartOfTextWord) continue;
    classTotals[entry.wordClass] += static_cast<double>(entry.frequency);
  }
  std::map<std::string, double> firstTotals;  // class pairs per first class
  for (const auto& [key, count] : classPairs) firstTotals[key.first] += static_cast<double>(count);

  std::map<std::string, std::vector<Candidate>> followers;
  for (const auto& [first, total] : firstTotals) {
    std::vector<Candidate> best;
    for (const auto& [text, entry] : words) {
      if (entry.wordClass.empty() || entry.frequency < minimumFrequency ||
          IsPictogramWord(text) || text == kStartOfTextWord) {
        continue;
      }
      const auto pair = classPairs.find({first, entry.wordClass});
      if (pair == classPairs.end()) continue;
      const double probability = static_cast<double>(pair->second) / total *
                                 static_cast<double>(entry.frequency) /
                                 classTotals[entry.wordClass];
      best.push_back({&text, probability});
    }
    const auto better = [](const Candidate& a, const Candidate& b) {
      if (a.probability != b.probability) return a.probability > b.probability;
      return ByteLess()(*a.word, *b.word);
    };
    const std::size_t kept = std::min(keep, best.size());
    std::partial_sort(best.begin(), best.begin() + kept, best.end(), better);
    best.resize(kept);
    followers[first] = std::move(best);
  }
  return followers;
}

}  // namespace

std::size_t AddBackoffSuccessors(
    std::vector<PairEntry>& pairs, const std::map<std::string, int64_t>& occurrences,
    const std::map<std::string, WordEntry>& words,
    const std::map<std::pair<std::string, std::string>, int64_t>& classPairs,
    const BackoffOptions& options) {
  struct Observed {
    int64_t weighted = 0;
    std::set<std::string> successors;
  };
  std::map<std::string, Observed> observed;
  for (PairEntry& pair : pairs) {
    Observed& first = observed[pair.first];
    first.weighted += pair.frequency;
    first.successors.insert(pair.second);
    pair.frequency *= kBackoffCountScale;
  }

  const auto followers =
      BestFollowers(words, classPairs, options.successorsPerWord * 2, options.minimumFrequency);
  std::size_t added = 0;
  for (const auto& [text, entry] : words) {
    if (entry.wordClass.empty() || entry.frequency < options.minimumFrequency ||
        IsPictogramWord(text) || text == kStartOfTextWord) {
      continue;
    }
    const auto best = followers.find(entry.wordClass);
    if (best == followers.end()) continue;
    const auto seen = observed.find(text);
    // Witten-Bell: the share the observed pairs leave unexplained is the
    // number of distinct successors over occurrences plus that number; a
    // word never seen first in a pair leaves all of it.
    double share = 1.0;
    double scale = static_cast<double>(kBackoffCountScale);
    if (seen != observed.end()) {
      const double distinct = static_cast<double>(seen->second.successors.size());
      const auto occurred = occurrences.find(text);
      const double tokens = std::max(
          occurred == occurrences.end() ? 0.0 : static_cast<double>(occurred->second), distinct);
      share = distinct / (tokens + distinct);
      // The observed counts add up to `weighted` x scale, which must be the
      // other (1 - share) of the whole.
      scale *= static_cast<double>(seen->second.weighted) / (1.0 - share);
    }
    const double unit = share * scale;
    std::size_t count = 0;
    for (const Candidate& candidate : best->second) {
      if (count == options.successorsPerWord) break;
      if (seen != observed.end() && seen->second.successors.count(*candidate.word) != 0) continue;
      const auto frequency = std::llround(unit * candidate.probability);
      if (frequency < 1) continue;
      pairs.push_back({text, *candidate.word, frequency});
      ++count;
      ++added;
    }
  }
  return added;
}

}  // namespace vorelio::builder
