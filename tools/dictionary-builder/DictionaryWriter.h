// Formatting of the general dictionary files.
//
// Every entry is lower-case Windows-1252 text in which a space is written
// as "|". Word, sentence and pair files are in ascending order of the
// entries' text as the program holds it (spaces, not "|"), compared byte by
// byte as unsigned values, so "z" < "à" and "casa de banho" < "casaco": the
// program appends the general files in file order and bisects them.
// Frequencies above the largest signed 32-bit value are written as that
// value. Entries that are empty or hold "|", a tab or a line break are left
// out (they would not read back as themselves); repeated entries are merged
// by adding their frequencies.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorelio::builder {

// Unsigned byte order: the order of the program's tables.
struct ByteLess {
  bool operator()(std::string_view a, std::string_view b) const;
};

struct WordEntry {
  std::string text;
  int64_t frequency = 0;
  std::string wordClass;  // empty: the line has no class field
};

struct PairEntry {
  std::string first;
  std::string second;
  int64_t frequency = 0;
};

struct SentenceEntry {
  std::string text;  // normalised
  int64_t frequency = 0;
};

// A space becomes "|".
std::string EncodeSpaces(std::string_view text);

// "word frequency class" or "word frequency" lines.
std::string FormatWordFile(const std::vector<WordEntry>& words);
// "first second frequency" lines, grouped by first entry, the second
// entries of a group ascending. Used for word and sentence pairs.
std::string FormatPairFile(const std::vector<PairEntry>& pairs);
// "sentence frequency" lines.
std::string FormatSentenceFile(const std::vector<SentenceEntry>& sentences);
// "CLASS frequency" lines, most frequent first (ties by name), at most
// `limit` lines (the program reads 500).
std::string FormatClassFile(const std::map<std::string, int64_t>& classes,
                            std::size_t limit = 500);
// "CLASS1 CLASS2 frequency" lines in name order.
std::string FormatClassPairFile(
    const std::map<std::pair<std::string, std::string>, int64_t>& classPairs);

}  // namespace vorelio::builder
