#include "tools/dictionary-builder/VocabularyFilter.h"

#include <algorithm>

#include "common/Text.h"
#include "tools/dictionary-builder/FrequencyListReader.h"
#include "tools/dictionary-builder/WordTokenizer.h"

namespace vorelio::builder {
namespace {

// Clitic pronouns and the future/conditional endings that follow them in
// mesoclisis ("dir-te-ia", "dá-lo-ei").
const std::set<std::string>& EncliticParts() {
  static const std::set<std::string> parts = {
      "me", "te", "se", "lhe", "lhes", "nos", "vos", "o", "a", "os", "as", "lo", "la",
      "los", "las", "no", "na", "nas", "mo", "ma", "mos", "mas", "to", "ta", "tos", "tas",
      "lho", "lha", "lhos", "lhas", "ei", "ás", "á", "emos", "eis", "ão", "ia", "ias",
      "íamos", "íeis", "iam"};
  return parts;
}

}  // namespace

const std::set<std::string>& NeutralWordsOfOffensiveList() {
  static const std::set<std::string> words = [] {
    std::set<std::string> cp1252;
    for (const char* word : {"coxa", "coxas", "grelo", "grelos", "débil", "débeis", "bagos",
                             "mongol", "mongóis", "apenado", "apenados", "apenada",
                             "apenadas", "paraíba"}) {
      cp1252.insert(Utf8ToCp1252(word));
    }
    return cp1252;
  }();
  return words;
}

const std::set<std::string>& EuropeanOffensiveWords() {
  static const std::set<std::string> words = [] {
    std::set<std::string> cp1252;
    for (const char* word : {"cabrão", "cabrões", "cabrona", "cabronas", "paneleiro",
                             "paneleiros", "paneleirice", "panasca", "panascas", "maricas",
                             "fufa", "fufas", "fodido", "fodida", "fodidos", "fodidas",
                             "cona", "conas", "badalhoca", "badalhocas", "badalhoco"}) {
      cp1252.insert(Utf8ToCp1252(word));
    }
    return cp1252;
  }();
  return words;
}

VocabularyFilter::VocabularyFilter(std::set<std::string> validWords, std::set<std::string> names,
                                   std::set<std::string> offensive,
                                   std::set<std::string> brazilianForms,
                                   std::set<std::string> europeanForms, VarietyCounts counts)
    : validWords_(std::move(validWords)),
      names_(std::move(names)),
      offensive_(std::move(offensive)),
      brazilianForms_(std::move(brazilianForms)),
      europeanForms_(std::move(europeanForms)),
      counts_(std::move(counts)) {
  for (const std::string& word : NeutralWordsOfOffensiveList()) offensive_.erase(word);
  offensive_.insert(EuropeanOffensiveWords().begin(), EuropeanOffensiveWords().end());
}

bool VocabularyFilter::IsWellFormed(std::string_view word) {
  if (word.empty() || word.size() > 40) return false;
  if (word.front() == '-' || word.back() == '-') return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] == '-') {
      if (word[i + 1] == '-') return false;
    } else if (!IsLetterCp1252(word[i])) {
      return false;
    }
  }
  static const std::string kVowels = Utf8ToCp1252("aeiouáàâãéêíóôõú");
  if (word.find_first_of(kVowels) == std::string_view::npos) return false;
  static const std::set<std::string_view> kAbbreviations = {"sra", "dra", "srta", "exmo",
                                                             "exma", "lda", "etc"};
  if (kAbbreviations.count(word) != 0) return false;
  if (word.size() == 1) {
    static const std::string kOneLetterWords = Utf8ToCp1252("aeoàéó");
    return kOneLetterWords.find(word.front()) != std::string::npos;
  }
  return true;
}

bool VocabularyFilter::IsListedAcronym(std::string_view word,
                                       const std::set<std::string>& names) {
  if (word.size() < 2 || word.size() > 5) return false;
  for (const char c : word) {
    if (c < 'a' || c > 'z' || std::string_view("aeiou").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return names.count(std::string(word)) != 0;
}

bool VocabularyFilter::IsOffensive(const std::string& word) const {
  if (offensive_.count(word) != 0) return true;
  if (word.find('-') == std::string::npos) return false;
  for (const std::string& part : SplitHyphens(word)) {
    if (offensive_.count(part) != 0) return true;
  }
  return false;
}

bool VocabularyFilter::IsValidPart(const std::string& part, bool allowNames) const {
  static const std::set<std::string> kInterjections = {"ok", "ei", "uau"};
  return validWords_.count(part) != 0 || (allowNames && names_.count(part) != 0) ||
         kInterjections.count(part) != 0;
}

bool VocabularyFilter::IsVerbBeforeClitic(const std::string& part) const {
  if (part.size() < 2) return false;
  // fazê-lo -> fazer, dá-lo -> dar, pô-lo -> pôr, parti-lo -> partir,
  // fazemo-lo -> fazemos.
  if (validWords_.count(part + "r") != 0 || validWords_.count(part + "s") != 0) return true;
  static const std::string kAccented = Utf8ToCp1252("áéêíô");
  static const std::string kPlain = "aeeio";
  const std::size_t accent = kAccented.find(part.back());
  if (accent == std::string::npos) return false;
  std::string stem = part;
  stem.back() = kPlain[accent];
  return validWords_.count(stem + "r") != 0;
}

bool VocabularyFilter::IsValidSpelling(const std::string& word, bool allowNames) const {
  if (word.find('-') == std::string::npos) return IsValidPart(word, allowNames);
  const std::vector<std::string> parts = SplitHyphens(word);
  bool allSame = true;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    allSame = allSame && parts[i] == parts[0];
    const bool nextIsClitic = i + 1 < parts.size() && EncliticParts().count(parts[i + 1]) != 0;
    if (i > 0 && EncliticParts().count(parts[i]) != 0) continue;
    if (parts[i].size() >= 2 && IsValidPart(parts[i], false)) continue;
    if (i == 0 && nextIsClitic && IsVerbBeforeClitic(parts[i])) continue;
    return false;
  }
  return !allSame;  // stammering ("não-não")
}

bool VocabularyFilter::IsBrazilianOnly(const std::string& word) const {
  if (brazilianForms_.count(word) != 0 && europeanForms_.count(word) == 0) return true;
  const auto brazilian = counts_.brazilian.find(word);
  if (brazilian == counts_.brazilian.end() || counts_.brazilianTotal == 0) return false;
  if (IsGerund(word)) return false;
  const auto european = counts_.european.find(word);
  const int64_t europeanCount = european == counts_.european.end()
                                   ? std::max<int64_t>(counts_.europeanFloor, 1)
                                   : european->second;
  const double ratio = (static_cast<double>(brazilian->second) / counts_.brazilianTotal) /
                       (static_cast<double>(europeanCount) / counts_.europeanTotal);
  if (ratio >= kStrongBrazilianRatio) return true;
  return ratio >= kBrazilianRatio && europeanCount < kCommonEuropeanCount;
}

bool VocabularyFilter::IsGerund(const std::string& word) const {
  static const std::string kEnding = "ndo";
  if (word.size() < kEnding.size() + 2 || word.compare(word.size() - 3, 3, kEnding) != 0) {
    return false;
  }
  const std::string stem = word.substr(0, word.size() - kEnding.size());
  if (validWords_.count(stem + "r") != 0) return true;
  return stem == "po" && validWords_.count(Utf8ToCp1252("pôr")) != 0;
}

WordListFiles ReadSpellingList(std::string_view contents) {
  WordListFiles lists;
  for (const std::string& line : ReadLines(contents)) {
    const std::string word = Utf8ToCp1252(Trim(line), '?');
    const std::string lower = ToLower(word);
    if (lower == word) {
      lists.lowerCase.insert(word);
    } else {
      lists.names.insert(lower);
    }
  }
  return lists;
}

std::set<std::string> ReadOffensiveList(std::string_view contents) {
  std::set<std::string> words;
  for (const std::string& line : ReadLines(contents)) {
    words.insert(ToLower(Utf8ToCp1252(Trim(line), '?')));
  }
  return words;
}

void ReadVarietyPairs(std::string_view contents, std::set<std::string>& brazilian,
                      std::set<std::string>& european) {
  for (const std::string& line : ReadLines(contents)) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    brazilian.insert(ToLower(Utf8ToCp1252(Trim(line.substr(0, equals)), '?')));
    european.insert(ToLower(Utf8ToCp1252(Trim(line.substr(equals + 1)), '?')));
  }
}

}  // namespace vorelio::builder
