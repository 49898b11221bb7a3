// Successors for the words whose observed pairs are few.
//
// The program proposes next words only among the successors a word has in
// the pair file, so a word seen a few times in the pair corpora offers one
// or two next words, or none. Each attested word therefore also gets, as
// successors, the words that most often follow the words of its class in
// the observed pairs ("e", "de", "que" after a noun; "o", "a", "que" after
// a verb). Their weight is the share the word's own observed pairs leave
// unexplained (Witten-Bell: as many occurrences as the word has distinct
// observed successors; all of it for a word with none), so they follow the
// observed successors of a well-known word and lead those of a rare one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/dictionary-builder/DictionaryWriter.h"

namespace vorelio::builder {

struct BackoffOptions {
  std::size_t successorsPerWord = 10;  // at most this many added per word
  // Words rarer than this (the spelling list's forms no corpus attests)
  // neither get successors nor become one.
  int64_t minimumFrequency = 30;
};

// `pairs`: the observed pairs with their (weighted) counts, changed in
// place: the counts are multiplied by kBackoffCountScale, and the added
// pairs follow on the same scale. `occurrences`: how many times each word
// was seen first in a pair, unweighted. `words`: the vocabulary (frequency
// and class: only words with a class and at least the minimum frequency
// take part). Returns the number of pairs added. Pictograms and "___" get
// none and are never added.
inline constexpr int64_t kBackoffCountScale = 1000;
std::size_t AddBackoffSuccessors(std::vector<PairEntry>& pairs,
                                 const std::map<std::string, int64_t>& occurrences,
                                 const std::map<std::string, WordEntry>& words,
                                 const BackoffOptions& options = {});

}  // namespace vorelio::builder
