// The records of a dictionary, the handles that point into its tables and
// the bounded sets in which predictors collect them.
//
// Everything is held by value. Handles own nothing: they point into a
// dictionary table and stay valid only until the next insertion into it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorelio {

// One successor of a word: the second word of a pair.
struct CNextWord {
  std::string text;
  int32_t generalFrequency = 0;
  int32_t userFrequency = 0;
  // Table position of the successor's own entry, kept exact by the
  // dictionary through every insertion, so that successor queries need no
  // search.
  int32_t position = -1;
};

// One entry of the word table.
struct CWord {
  std::string text;  // lower case; may hold spaces (a multi-word entry)
  int32_t generalFrequency = 0;
  int32_t userFrequency = 0;       // 0: not part of the user's vocabulary
  std::string wordClass;           // empty when the word has no class
  std::vector<CNextWord> successors;  // ascending text order, no duplicates
  int32_t generalSuccessorCount = 0;
  // Index of wordClass among the dictionary's distinct class names, -1 when
  // empty; lets predictors memoise class terms per request.
  int32_t classId = -1;
};

struct CNextSentence {
  std::string text;
  int32_t generalFrequency = 0;
  int32_t userFrequency = 0;
  int32_t position = -1;  // as for CNextWord
};

// One entry of the sentence table; the text is normalised.
struct CSentence {
  std::string text;
  int32_t generalFrequency = 0;
  int32_t userFrequency = 0;
  std::vector<CNextSentence> successors;  // ascending text order
  int32_t generalSuccessorCount = 0;
};

// A reference to one table entry, or none.
template <class Entry>
class DictionaryHandle {
 public:
  DictionaryHandle() = default;
  explicit DictionaryHandle(const Entry* entry) : entry_(entry) {}
  bool IsNone() const { return entry_ == nullptr; }
  // Must not be called on none.
  const Entry& Get() const { return *entry_; }
  const Entry* operator->() const { return entry_; }
  bool operator==(const DictionaryHandle&) const = default;

 private:
  const Entry* entry_ = nullptr;
};

using CDictionaryWord = DictionaryHandle<CWord>;
using CDictionarySentence = DictionaryHandle<CSentence>;

// A successor with its own table entry and the pair's frequencies; both
// frequencies -1 means that no such successor exists.
template <class Entry>
struct DictionaryNext {
  DictionaryHandle<Entry> entry;
  int32_t generalFrequency = -1;
  int32_t userFrequency = -1;
};
using CDictionaryNextWord = DictionaryNext<CWord>;
using CDictionaryNextSentence = DictionaryNext<CSentence>;

// A candidate of one prediction.
template <class Entry>
struct DictionaryScore {
  DictionaryHandle<Entry> entry;
  double score = 0.0;
};
using CDictionaryWordScore = DictionaryScore<CWord>;
using CDictionarySentenceScore = DictionaryScore<CSentence>;

// An array of fixed capacity, allocated once, and a count of the items in
// use. Adding to a full set does nothing and returns false.
template <class Item>
class BoundedSet {
 public:
  explicit BoundedSet(std::size_t capacity) : items_(capacity) {}
  void Clear() { count_ = 0; }
  bool Add(const Item& item) {
    if (count_ == items_.size()) return false;
    items_[count_++] = item;
    return true;
  }
  std::size_t Count() const { return count_; }
  std::size_t Capacity() const { return items_.size(); }
  bool Full() const { return count_ == items_.size(); }
  Item& operator[](std::size_t i) { return items_[i]; }
  const Item& operator[](std::size_t i) const { return items_[i]; }
  const Item* begin() const { return items_.data(); }
  const Item* end() const { return items_.data() + count_; }
  Item* begin() { return items_.data(); }
  Item* end() { return items_.data() + count_; }

 private:
  std::vector<Item> items_;
  std::size_t count_ = 0;
};

inline constexpr std::size_t kCandidateCapacity = 100000;
inline constexpr std::size_t kSuccessorCapacity = 10000;

using CDictionaryWordScoreSet = BoundedSet<CDictionaryWordScore>;
using CDictionarySentenceScoreSet = BoundedSet<CDictionarySentenceScore>;
using CDictionaryNextWordSet = BoundedSet<CDictionaryNextWord>;
using CDictionaryNextSentenceSet = BoundedSet<CDictionaryNextSentence>;

}  // namespace vorelio
