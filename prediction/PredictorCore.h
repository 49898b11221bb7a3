// Machinery shared by the word and the sentence predictor: the candidate set
// filled from table ranges and successor lists, the pair pass that finds each
// candidate among the successor records of the previous entry, and the
// best-N ranking.
//
// Candidates are handles into one dictionary table. The table is sorted by
// text without duplicates, so two handles name the same text exactly when
// they point at the same entry, and table position order is text order. Each
// contribution to the candidate set is kept as a run: a range of the table
// (contiguous positions) or the successor list (ascending positions). The
// pair pass walks the successors once per run instead of bisecting once per
// candidate; the result is the same as a bisection on the texts.
//
// The successor records (handles resolved by the dictionary) are fetched
// only when the gathering needs them or when the successor list is longer
// than the records can hold. Otherwise the pair pass reads the previous
// entry's own successor list: every candidate is a table entry, so it is
// among the records exactly when its text is in that list.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "prediction/DictionaryRecords.h"

namespace vorelio {

// A quotient whose divisor is 0 is 0.
inline double Quotient(double dividend, double divisor) {
  return divisor == 0.0 ? 0.0 : dividend / divisor;
}

// Best predictions: keeps a list of at most n candidates in descending score.
// The first min(count, n) candidates are inserted in gathering order, each
// before the first list element whose score is less than or equal to its own
// (so among equal scores a later candidate stands first). Each later
// candidate enters only with a score strictly above the last element's,
// which it then replaces. The list is built in `out` itself; returns its
// length. n <= 0 (or an empty `out`) yields 0; n is cut to out.size().
template <class Score>
int32_t RankBest(std::span<const Score> candidates, int32_t n, std::span<Score> out) {
  static_assert(std::is_trivially_copyable_v<Score>);
  const std::size_t count = candidates.size();
  const std::size_t limit = std::min<std::size_t>(n <= 0 ? 0 : static_cast<std::size_t>(n),
                                                   out.size());
  if (count == 0 || limit == 0) return 0;

  Score* list = out.data();
  std::size_t length = 0;
  auto insert = [&](const Score& candidate) {
    Score* place = std::partition_point(
        list, list + length, [&](const Score& s) { return s.score > candidate.score; });
    std::copy_backward(place, list + length, list + length + 1);
    *place = candidate;
    ++length;
  };

  std::size_t i = 0;
  for (; i < count && i < limit; ++i) insert(candidates[i]);
  for (; i < count; ++i) {
    if (candidates[i].score > list[length - 1].score) {
      --length;
      insert(candidates[i]);
    }
  }
  return static_cast<int32_t>(length);
}

// The candidate and ranked sets of one predictor and the successor records
// of the previous entry, allocated once at full size and reused.
template <class Entry>
class CandidateCollector {
 public:
  using Handle = DictionaryHandle<Entry>;
  using Score = DictionaryScore<Entry>;
  using Next = DictionaryNext<Entry>;

  CandidateCollector()
      : candidates_(kCandidateCapacity),
        ranked_(kCandidateCapacity),
        successors_(kSuccessorCapacity),
        recordPositions_(kSuccessorCapacity),
        recordIndices_(kSuccessorCapacity) {
    runs_.reserve(16);
  }

  // Empties both sets, the successor records and the runs; `table` is the
  // dictionary table into which every candidate will point.
  void Start(std::span<const Entry> table) {
    candidates_.Clear();
    ranked_.Clear();
    successors_.Clear();
    runs_.clear();
    table_ = table;
    successorsFetched_ = false;
  }

  // Appends the table entries [first, last) as one run, stopping silently
  // when the candidate set is full.
  void AddTableRange(int32_t first, int32_t last) {
    const int32_t begin = static_cast<int32_t>(candidates_.Count());
    for (int32_t p = first; p < last && !candidates_.Full(); ++p)
      candidates_.Add(Score{Handle(&table_[static_cast<std::size_t>(p)]), 0.0});
    AddRun(begin, first);
  }

  // The gathering rules shared by both predictors. `hasPrevious`: a
  // previous entry was given; fetch(records) appends its successor records
  // (called at most once, when they are first needed); range(prefix, first,
  // last) gives the table positions of the entries that begin with a prefix
  // and are longer than it.
  //   no prefix, or only empty ones: the successors, once;
  //   otherwise, per prefix in order: its range, or for an empty prefix the
  //   successors.
  template <class Fetch, class PrefixRange>
  void Gather(bool hasPrevious, std::span<const std::string> prefixes, Fetch fetch,
              PrefixRange range) {
    auto addSuccessors = [&] {
      if (!hasPrevious) return;
      FetchSuccessors(fetch);
      AddSuccessors();
    };
    const bool allEmpty = std::all_of(prefixes.begin(), prefixes.end(),
                                      [](const std::string& p) { return p.empty(); });
    if (allEmpty) {
      addSuccessors();
      return;
    }
    for (const std::string& prefix : prefixes) {
      if (prefix.empty()) {
        addSuccessors();
        continue;
      }
      int32_t first = 0;
      int32_t last = 0;
      range(prefix, first, last);
      AddTableRange(first, last);
    }
  }

  // Copies the candidates, in order and with score 0, into the ranked set,
  // adding term(entry) to each: the first scoring pass.
  template <class Term>
  void CopyToRanked(Term term) {
    for (const Score& candidate : candidates_) {
      Score scored = candidate;
      scored.score += term(candidate.entry.Get());
      ranked_.Add(scored);
    }
  }

  // The pair pass: adds term(general pair frequency, user pair frequency)
  // to every ranked candidate found (by text) among the successor records of
  // `previous`, the previous entry; the others get nothing. Nothing at all
  // when there are no records.
  template <class Fetch, class Term>
  void AddPairTerms(const Entry& previous, Fetch fetch, Term term) {
    if (!successorsFetched_ && previous.successors.size() <= successors_.Capacity()) {
      AddPairTermsFromList(previous.successors, term);
      return;
    }
    FetchSuccessors(fetch);
    if (successors_.Count() == 0) return;
    AddPairTermsFromRecords(term);
  }

  BoundedSet<Score>& Candidates() { return candidates_; }
  const BoundedSet<Score>& Candidates() const { return candidates_; }
  BoundedSet<Score>& Ranked() { return ranked_; }
  const BoundedSet<Score>& Ranked() const { return ranked_; }

  int32_t Best(int32_t n, std::span<Score> out) const {
    return RankBest<Score>(std::span<const Score>(ranked_.begin(), ranked_.end()), n, out);
  }

 private:
  struct Run {
    int32_t begin;
    int32_t end;
    int32_t tablePosition;  // of the run's first candidate; -1: successor run
  };

  template <class Fetch>
  void FetchSuccessors(Fetch fetch) {
    if (successorsFetched_) return;
    successorsFetched_ = true;
    successors_.Clear();
    fetch(successors_);
  }

  // Appends the entries of the successor records, in successor order, as
  // one run.
  void AddSuccessors() {
    const int32_t begin = static_cast<int32_t>(candidates_.Count());
    for (const Next& next : successors_) {
      if (candidates_.Full()) break;
      if (!next.entry.IsNone()) candidates_.Add(Score{next.entry, 0.0});
    }
    AddRun(begin, -1);
  }

  // Pair pass over the previous entry's successor list (ascending text, no
  // duplicates). Only table runs exist here: for each, the successors
  // within its text range are looked up in the run's part of the table.
  template <class Successor, class Term>
  void AddPairTermsFromList(const std::vector<Successor>& successors, Term term) {
    auto byText = [](const auto& item, std::string_view key) {
      return std::string_view(item.text) < key;
    };
    for (const Run& run : runs_) {
      const Entry* first = table_.data() + run.tablePosition;
      const Entry* last = first + (run.end - run.begin);
      const std::string_view lastText = last[-1].text;
      const Entry* cursor = first;
      for (auto next = std::lower_bound(successors.begin(), successors.end(),
                                        std::string_view(first->text), byText);
           next != successors.end() && std::string_view(next->text) <= lastText; ++next) {
        cursor = std::lower_bound(cursor, last, std::string_view(next->text), byText);
        if (cursor == last) break;
        if (cursor->text != next->text) continue;
        ranked_[static_cast<std::size_t>(run.begin + (cursor - first))].score +=
            term(next->generalFrequency, next->userFrequency);
      }
    }
  }

  // Pair pass over the fetched successor records.
  template <class Term>
  void AddPairTermsFromRecords(Term term) {
    if (!IndexSuccessorPositions()) {
      AddPairTermsByBisection(term);
      return;
    }
    const int32_t* positions = recordPositions_.data();
    const int32_t* positionsEnd = positions + indexedCount_;
    for (const Run& run : runs_) {
      if (run.tablePosition >= 0) {
        // Contiguous run: only the records inside its position range matter.
        const int32_t end = run.tablePosition + (run.end - run.begin);
        for (const int32_t* k = std::lower_bound(positions, positionsEnd, run.tablePosition);
             k != positionsEnd && *k < end; ++k) {
          ranked_[static_cast<std::size_t>(run.begin + (*k - run.tablePosition))].score +=
              AddTerm(term, successors_[static_cast<std::size_t>(recordIndices_[k - positions])]);
        }
        continue;
      }
      // Successor run: ascending positions, merged with the records; a step
      // back restarts the walk so any order stays correct.
      const int32_t* k = positions;
      int32_t previous = -1;
      for (int32_t i = run.begin; i < run.end; ++i) {
        Score& candidate = ranked_[static_cast<std::size_t>(i)];
        const int32_t position = PositionOf(candidate.entry);
        if (position < previous) k = positions;
        previous = position;
        while (k != positionsEnd && *k < position) ++k;
        if (k != positionsEnd && *k == position)
          candidate.score +=
              AddTerm(term, successors_[static_cast<std::size_t>(recordIndices_[k - positions])]);
      }
    }
  }

  void AddRun(int32_t begin, int32_t tablePosition) {
    const int32_t end = static_cast<int32_t>(candidates_.Count());
    if (end > begin) runs_.push_back(Run{begin, end, tablePosition});
  }

  template <class Term>
  static double AddTerm(Term& term, const Next& next) {
    return term(next.generalFrequency, next.userFrequency);
  }

  // Table position of a handle, -1 when it is none or outside the table.
  int32_t PositionOf(Handle handle) const {
    if (handle.IsNone()) return -1;
    const Entry* entry = &handle.Get();
    if (entry < table_.data() || entry >= table_.data() + table_.size()) return -1;
    return static_cast<int32_t>(entry - table_.data());
  }

  // Lists the table positions of the successor records, with their record
  // index. False when they are not strictly ascending (not in text order).
  bool IndexSuccessorPositions() {
    indexedCount_ = 0;
    int32_t last = -1;
    for (std::size_t k = 0; k < successors_.Count(); ++k) {
      const int32_t position = PositionOf(successors_[k].entry);
      if (position < 0) continue;  // names no entry: matches no candidate
      if (position <= last) return false;
      last = position;
      recordPositions_[indexedCount_] = position;
      recordIndices_[indexedCount_] = static_cast<int32_t>(k);
      ++indexedCount_;
    }
    return true;
  }

  // The plain form of the pair pass: one bisection on the texts per
  // candidate, used when the records are not in text order.
  template <class Term>
  void AddPairTermsByBisection(Term term) {
    const int32_t count = static_cast<int32_t>(successors_.Count());
    if (count == 0) return;
    auto text = [&](int32_t k) -> std::string_view {
      const Handle& h = successors_[static_cast<std::size_t>(k)].entry;
      return h.IsNone() ? std::string_view() : std::string_view(h->text);
    };
    for (Score& candidate : ranked_) {
      const std::string_view key = candidate.entry->text;
      int32_t low = 0;
      int32_t high = count - 1;
      while (low < high) {
        const int32_t mid = (low + high) / 2;
        if (key <= text(mid))
          high = mid;
        else
          low = mid + 1;
      }
      if (text(low) == key)
        candidate.score += AddTerm(term, successors_[static_cast<std::size_t>(low)]);
    }
  }

  BoundedSet<Score> candidates_;
  BoundedSet<Score> ranked_;
  BoundedSet<Next> successors_;
  std::vector<int32_t> recordPositions_;
  std::vector<int32_t> recordIndices_;
  std::size_t indexedCount_ = 0;
  std::vector<Run> runs_;
  std::span<const Entry> table_;
  bool successorsFetched_ = false;
};

}  // namespace vorelio
