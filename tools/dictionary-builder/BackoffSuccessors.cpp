#include "tools/dictionary-builder/BackoffSuccessors.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

bool TakesPart(const std::string& text, const WordEntry& entry, int64_t minimumFrequency) {
  return !entry.wordClass.empty() && entry.frequency >= minimumFrequency &&
         !IsPictogramWord(text) && text != kStartOfTextWord;
}

struct Follower {
  const std::string* word = nullptr;
  double probability = 0;  // of following a word of the class
};

// For each class, the `keep` words that most often follow its words in the
// observed pairs (weighted counts), most probable first.
std::map<std::string, std::vector<Follower>> FollowersByClass(
    const std::vector<PairEntry>& pairs, const std::map<std::string, WordEntry>& words,
    std::size_t keep, int64_t minimumFrequency) {
  std::map<std::string, std::map<const std::string*, double>> counts;
  std::map<std::string, double> totals;
  for (const PairEntry& pair : pairs) {
    const auto first = words.find(pair.first);
    const auto second = words.find(pair.second);
    if (first == words.end() || second == words.end() || first->second.wordClass.empty() ||
        !TakesPart(second->first, second->second, minimumFrequency)) {
      continue;
    }
    counts[first->second.wordClass][&second->first] += static_cast<double>(pair.frequency);
    totals[first->second.wordClass] += static_cast<double>(pair.frequency);
  }
  std::map<std::string, std::vector<Follower>> followers;
  for (const auto& [wordClass, byWord] : counts) {
    std::vector<Follower> best;
    for (const auto& [word, count] : byWord) best.push_back({word, count / totals[wordClass]});
    const auto better = [](const Follower& a, const Follower& b) {
      if (a.probability != b.probability) return a.probability > b.probability;
      return ByteLess()(*a.word, *b.word);
    };
    const std::size_t kept = std::min(keep, best.size());
    std::partial_sort(best.begin(), best.begin() + kept, best.end(), better);
    best.resize(kept);
    followers[wordClass] = std::move(best);
  }
  return followers;
}

}  // namespace

std::size_t AddBackoffSuccessors(std::vector<PairEntry>& pairs,
                                 const std::map<std::string, int64_t>& occurrences,
                                 const std::map<std::string, WordEntry>& words,
                                 const BackoffOptions& options) {
  // A word's own observed successors are skipped, so twice the limit are
  // kept per class.
  const auto followers = FollowersByClass(pairs, words, options.successorsPerWord * 2,
                                          options.minimumFrequency);
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

  std::size_t added = 0;
  for (const auto& [text, entry] : words) {
    if (!TakesPart(text, entry, options.minimumFrequency)) continue;
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
    for (const Follower& follower : best->second) {
      if (count == options.successorsPerWord) break;
      if (seen != observed.end() && seen->second.successors.count(*follower.word) != 0) continue;
      const auto frequency = std::llround(unit * follower.probability);
      if (frequency < 1) continue;
      pairs.push_back({text, *follower.word, frequency});
      ++count;
      ++added;
    }
  }
  return added;
}

}  // namespace vorelio::builder
