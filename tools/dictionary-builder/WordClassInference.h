// The grammatical class of a word that the treebank does not tag: the
// category the spelling dictionary gives its stem, in the treebank's class
// names (UPOS), or else the class most words with the same ending have.
// All words are lower-case Windows-1252.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "tools/dictionary-builder/StemAnalyses.h"

namespace vorelio::builder {

// The class name for a stem-list category ("nc" -> "NOUN", "v" -> "VERB",
// "a_nc" -> "ADJ", "con" -> "CCONJ" or "SCONJ" by the word, "cp" -> the
// joined classes of the contraction's parts, e.g. "ADP+DET"). Empty for
// categories without a word class (punctuation, prefixes) and unknown ones.
// `morphology` is the stem's description; `word` the form.
std::string ClassOfCategory(std::string_view category, std::string_view morphology,
                            std::string_view word);

// Classes by word ending, learned from tagged words.
class SuffixClassModel {
 public:
  // Endings of up to this many characters are compared.
  static constexpr std::size_t kLongestEnding = 5;

  // One tagged word type: every ending of it (shorter than the word) counts
  // once for the class.
  void Add(const std::string& word, const std::string& wordClass);

  // The most frequent class of the words that share the longest known
  // ending with `word` (ties to the smaller name). With `allowed` not
  // empty, only those classes count, and the longest ending that has one of
  // them decides. Empty when no ending is known.
  std::string Infer(const std::string& word, const std::set<std::string>& allowed = {}) const;

 private:
  std::map<std::string, std::map<std::string, int64_t>> endings_;
};

// The class of a word the training treebank does not tag: the category its
// stems give it; among several, the one words of the same ending have most;
// with no stem, the class of its ending; failing all, `fallback`.
class ClassInference {
 public:
  // `analyses` must outlive the inference.
  ClassInference(const StemAnalyses& analyses, SuffixClassModel suffixes, std::string fallback)
      : analyses_(analyses), suffixes_(std::move(suffixes)), fallback_(std::move(fallback)) {}

  std::string ClassOf(const std::string& word) const;

 private:
  const StemAnalyses& analyses_;
  SuffixClassModel suffixes_;
  std::string fallback_;
};

}  // namespace vorelio::builder
