// The tests that decide whether a word may be suggested to a user in
// Portugal: well-formed, spelled as in the current European spelling list,
// not offensive, not a Brazilian-only form.
// All words are lower-case Windows-1252.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

// Brazilian frequencies beside the European ones, per word.
struct VarietyCounts {
  std::map<std::string, int64_t> european;  // counts of the European list (after respelling)
  std::map<std::string, int64_t> brazilian;
  int64_t europeanTotal = 0;
  int64_t brazilianTotal = 0;
  // The smallest count of the European list: a word missing from it is
  // taken to have this count, since it may be just below the list's end.
  int64_t europeanFloor = 1;
};

class VocabularyFilter {
 public:
  // A word this many times more frequent (relatively) in Brazil than in
  // Portugal is Brazilian-only, unless it is common in Portugal as well.
  static constexpr double kBrazilianRatio = 6.0;
  // ... common meaning at least this count in the European list; a word
  // even more lopsided than kStrongBrazilianRatio goes regardless.
  static constexpr int64_t kCommonEuropeanCount = 50000;
  static constexpr double kStrongBrazilianRatio = 25.0;

  // `validWords`: lower-case entries of the spelling list; `names`: its
  // capitalised entries, lower-cased; `offensive`: the do-not-suggest list;
  // `brazilianForms` / `europeanForms`: the two sides of the Brazil/Portugal
  // spelling pairs.
  VocabularyFilter(std::set<std::string> validWords, std::set<std::string> names,
                   std::set<std::string> offensive, std::set<std::string> brazilianForms,
                   std::set<std::string> europeanForms, VarietyCounts counts);

  // Letters only, with single inner hyphens; no digits, dots or apostrophes;
  // at least one vowel and not an abbreviation ("sr", "sra", "dr"); a
  // one-letter word only if it is a Portuguese word (a e o à é ó); at most
  // 40 characters. Everything else ("sr.", "1ah08", "n-não") is junk.
  static bool IsWellFormed(std::string_view word);

  // A word without vowels that the spelling list writes as a name: an
  // acronym people write as a word ("tv", "psd", "sms"), unlike the
  // interjections and abbreviations IsWellFormed turns away ("hmm", "sr").
  static bool IsListedAcronym(std::string_view word, const std::set<std::string>& names);
  bool IsListedAcronym(std::string_view word) const { return IsListedAcronym(word, names_); }
  // Well formed, or a listed acronym.
  bool IsAdmissible(std::string_view word) const {
    return IsWellFormed(word) || IsListedAcronym(word);
  }

  // The word, or one of its hyphenated parts, is on the offensive list.
  bool IsOffensive(const std::string& word) const;

  // Every part is a word of the spelling list; parts after the first may be
  // clitic pronouns or the endings of "dir-te-ia"; a first part before a
  // clitic may be the verb form that drops its final letter ("fazê-lo",
  // "fazemo-lo"). With `allowNames` a capitalised entry (a name) counts too.
  // A few everyday interjections missing from the list ("ok", "ei", "uau")
  // are accepted.
  bool IsValidSpelling(const std::string& word, bool allowNames) const;

  // A Brazilian spelling of the pair list, or a word of the ratio test. The
  // ratio test spares gerunds ("chamando", "escolhendo"): Brazil writes them
  // where Portugal writes "a chamar", so their ratio is high, but they are
  // European grammar too ("chamando-lhe", "escolhendo a opção").
  bool IsBrazilianOnly(const std::string& word) const;
  // A form ending in "ndo" whose stem makes an infinitive of the spelling
  // list: "chamando" (chamar), "vendo" (ver), "pondo" (pôr).
  bool IsGerund(const std::string& word) const;

  const std::set<std::string>& ValidWords() const { return validWords_; }

 private:
  bool IsValidPart(const std::string& part, bool allowNames) const;
  bool IsVerbBeforeClitic(const std::string& part) const;

  std::set<std::string> validWords_;
  std::set<std::string> names_;
  std::set<std::string> offensive_;
  std::set<std::string> brazilianForms_;
  std::set<std::string> europeanForms_;
  VarietyCounts counts_;
};

// Entries of the offensive list that are also ordinary, neutral words in
// Portugal ("coxa" thigh, "grelos" turnip tops, "débil" weak): kept.
const std::set<std::string>& NeutralWordsOfOffensiveList();
// European Portuguese slurs and obscenities that the list (mostly Brazilian
// usage) lacks; they are kept out as if they were on it.
const std::set<std::string>& EuropeanOffensiveWords();

// The lists as the corpora hold them, parsed into lower-case Windows-1252.
struct WordListFiles {
  std::set<std::string> lowerCase;  // entries written in lower case
  std::set<std::string> names;      // capitalised entries, lower-cased
};
WordListFiles ReadSpellingList(std::string_view contents);
std::set<std::string> ReadOffensiveList(std::string_view contents);
// "Brazilian=European" lines into the two sides.
void ReadVarietyPairs(std::string_view contents, std::set<std::string>& brazilian,
                      std::set<std::string>& european);

}  // namespace vorelio::builder
