// Operations on a sorted table of entries (words or sentences) and on the
// successor lists that hang off them, shared by every part of the
// dictionary. Entries compare by text, byte by byte as unsigned values.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Scanner.h"
#include "prediction/DictionaryRecords.h"

namespace vorelio::table {

// The bisection of the lookups: the entry equal to key, or none, and the
// position at which key is or would be inserted.
template <class Table>
auto Bisect(Table& table, std::string_view key, int32_t& position) -> decltype(&table[0]) {
  const auto n = static_cast<int32_t>(table.size());
  if (n == 0) {
    position = 0;
    return nullptr;
  }
  int32_t low = 0;
  int32_t high = n - 1;
  while (low < high) {
    const int32_t mid = (low + high) / 2;
    if (key <= std::string_view(table[mid].text)) high = mid;
    else low = mid + 1;
  }
  const int comparison = key.compare(table[low].text);
  if (comparison == 0) {
    position = low;
    return &table[low];
  }
  position = comparison < 0 ? low : low + 1;
  return nullptr;
}

template <class Entry>
void PrefixRange(const std::vector<Entry>& table, std::string_view prefix, int32_t& first,
                 int32_t& last) {
  first = last = 0;
  if (prefix.empty()) return;
  int32_t position = 0;
  if (Bisect(table, prefix, position) != nullptr) ++position;
  const auto begin = table.begin() + position;
  const auto end = std::partition_point(begin, table.end(), [prefix](const Entry& entry) {
    return std::string_view(entry.text).starts_with(prefix);
  });
  first = position;
  last = static_cast<int32_t>(end - table.begin());
}

template <class Next>
typename std::vector<Next>::iterator SuccessorPosition(std::vector<Next>& successors,
                                                       std::string_view text) {
  return std::lower_bound(successors.begin(), successors.end(), text,
                          [](const Next& next, std::string_view key) { return next.text < key; });
}

template <class Next>
const Next* FindSuccessor(const std::vector<Next>& successors, std::string_view text) {
  const auto found = std::lower_bound(
      successors.begin(), successors.end(), text,
      [](const Next& next, std::string_view key) { return next.text < key; });
  return found != successors.end() && found->text == text ? &*found : nullptr;
}

// Adds a general pair: appended while the file keeps its second words in
// order, inserted in place (or merged with an equal successor) when it does
// not, so the successor list stays sorted and free of duplicates. `position`
// is the table position of the second entry.
template <class Entry, class Next>
void AddGeneralSuccessor(Entry& first, std::string_view second, int32_t position,
                         int32_t frequency) {
  auto& successors = first.successors;
  if (successors.empty() || std::string_view(successors.back().text) < second) {
    successors.push_back(Next{std::string(second), frequency, 0, position});
  } else {
    const auto at = SuccessorPosition(successors, second);
    if (at != successors.end() && at->text == second) {
      at->generalFrequency = SaturatingAdd(at->generalFrequency, frequency);
      return;
    }
    successors.insert(at, Next{std::string(second), frequency, 0, position});
  }
  ++first.generalSuccessorCount;
}

template <class Entry, class Next>
void AddUserSuccessor(Entry& first, std::string_view second, int32_t position, int32_t amount) {
  auto& successors = first.successors;
  const auto at = SuccessorPosition(successors, second);
  if (at != successors.end() && at->text == second) {
    at->userFrequency = SaturatingAdd(at->userFrequency, amount);
  } else {
    successors.insert(at, Next{std::string(second), 0, amount, position});
  }
}

// After an entry was inserted at `inserted`, every successor position at or
// after it moves up by one.
template <class Entry>
void ShiftSuccessorPositions(std::vector<Entry>& table, int32_t inserted) {
  for (Entry& entry : table)
    for (auto& next : entry.successors)
      if (next.position >= inserted) ++next.position;
}

// The first entry in [from, end) not below key, found by doubling steps from
// `from`: successive keys of a sorted list cost the logarithm of the gap
// between them, not of the whole table.
template <class Iterator>
Iterator GallopTo(Iterator from, Iterator end, std::string_view key) {
  auto below = [](const auto& entry, std::string_view k) { return entry.text < k; };
  std::ptrdiff_t step = 1;
  Iterator low = from;
  while (end - low > step && below(*(low + step), key)) {
    low += step;
    step *= 2;
  }
  const Iterator high = end - low > step ? low + step + 1 : end;
  return std::lower_bound(low, high, key, below);
}

// Works every successor position out again from the texts, after changes
// that moved many entries at once (a merge of a user file, a sort). Each
// list is sorted, so one forward sweep per list finds its entries.
template <class Entry>
void RebuildSuccessorPositions(std::vector<Entry>& table) {
  for (Entry& entry : table) {
    auto from = table.begin();
    for (auto& next : entry.successors) {
      from = GallopTo(from, table.end(), next.text);
      next.position = from != table.end() && from->text == next.text
                          ? static_cast<int32_t>(from - table.begin())
                          : -1;
    }
  }
}

// The handles of a successor list, in successor order.
template <class Entry>
int32_t ResolveSuccessors(const std::vector<Entry>& table, const Entry& entry,
                          std::span<DictionaryHandle<Entry>> out) {
  int32_t count = 0;
  const std::size_t limit = std::min(out.size(), kSuccessorCapacity);
  for (const auto& next : entry.successors) {
    if (static_cast<std::size_t>(count) >= limit) break;
    if (next.position >= 0) out[count++] = DictionaryHandle<Entry>(&table[next.position]);
  }
  return count;
}

template <class Entry, class Set>
int32_t ResolveSuccessorRecords(const std::vector<Entry>& table, const Entry& entry,
                                std::string_view prefix, Set& out) {
  int32_t count = 0;
  for (const auto& next : entry.successors) {
    if (!std::string_view(next.text).starts_with(prefix)) continue;
    if (out.Full() || static_cast<std::size_t>(count) >= kSuccessorCapacity) break;
    if (next.position < 0) continue;
    out.Add({DictionaryHandle<Entry>(&table[next.position]), next.generalFrequency,
             next.userFrequency});
    ++count;
  }
  return count;
}

// General files must be sorted for bisection. A file that is not (or that
// normalisation put out of order) is sorted once after reading, keeping the
// first of any duplicates, instead of leaving lookups silently broken.
template <class Entry>
void SortIfNeeded(std::vector<Entry>& table) {
  const auto unsorted = std::adjacent_find(
      table.begin(), table.end(), [](const Entry& a, const Entry& b) { return !(a.text < b.text); });
  if (unsorted == table.end()) return;
  std::stable_sort(table.begin(), table.end(),
                   [](const Entry& a, const Entry& b) { return a.text < b.text; });
  table.erase(std::unique(table.begin(), table.end(),
                          [](const Entry& a, const Entry& b) { return a.text == b.text; }),
              table.end());
  RebuildSuccessorPositions(table);
}

template <class Entry>
void ForgetLeastUsed(std::vector<Entry>& table, int32_t& userTotal, bool& modified) {
  int32_t smallest = std::numeric_limits<int32_t>::max();
  bool any = false;
  for (const Entry& entry : table) {
    if (entry.userFrequency > 0 && entry.userFrequency <= smallest) {
      smallest = entry.userFrequency;
      any = true;
    }
  }
  if (!any) return;
  for (Entry& entry : table) {
    if (entry.userFrequency != smallest) continue;
    userTotal = SaturatingReplace(userTotal, entry.userFrequency, 0);
    entry.userFrequency = 0;
    modified = true;
  }
}

}  // namespace vorelio::table
