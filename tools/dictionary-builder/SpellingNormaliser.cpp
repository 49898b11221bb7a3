#include "tools/dictionary-builder/SpellingNormaliser.h"

#include <algorithm>

#include "common/Text.h"
#include "tools/dictionary-builder/FrequencyListReader.h"
#include "tools/dictionary-builder/WordTokenizer.h"

namespace vorelio::builder {
namespace {

// Shorter heads than this would rewrite too many unrelated words.
constexpr std::size_t kMinimumStemHead = 3;

}  // namespace

SpellingNormaliser::SpellingNormaliser(
    const std::vector<std::pair<std::string, std::string>>& pairs,
    const std::set<std::string>& validWords)
    : validWords_(validWords) {
  for (const auto& [oldForm, newForm] : pairs) {
    if (oldForm == newForm || oldForm.empty() || newForm.empty()) continue;
    exact_.emplace(oldForm, newForm);

    // The change is what lies between the common beginning and the common
    // end of the two forms.
    std::size_t prefix = 0;
    while (prefix < oldForm.size() && prefix < newForm.size() &&
           oldForm[prefix] == newForm[prefix]) {
      ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < oldForm.size() - prefix && suffix < newForm.size() - prefix &&
           oldForm[oldForm.size() - 1 - suffix] == newForm[newForm.size() - 1 - suffix]) {
      ++suffix;
    }
    const std::size_t oldEnd = oldForm.size() - suffix;
    const std::size_t newEnd = newForm.size() - suffix;
    // One character of context after the change anchors it.
    const std::size_t headLength = std::min(oldEnd + 1, oldForm.size());
    if (headLength < kMinimumStemHead) continue;
    const std::string head = oldForm.substr(0, headLength);
    stems_.emplace(head, StemChange{headLength, newForm.substr(0, newEnd) +
                                                    oldForm.substr(oldEnd, headLength - oldEnd)});
  }
}

std::string SpellingNormaliser::Normalise(const std::string& word) const {
  if (word.find('-') == std::string::npos) return NormalisePart(word);
  std::string out;
  bool first = true;
  for (const std::string& part : SplitHyphens(word)) {
    if (!first) out += '-';
    out += NormalisePart(part);
    first = false;
  }
  return JoinPrefix(out);
}

// The 1990 Agreement joins a prefix ending in a vowel to a word beginning
// with another vowel ("infra-estrutura" -> "infraestrutura") or with r or s,
// which doubles ("contra-senso" -> "contrassenso"); "co" and "re" join
// always ("co-produção" -> "coprodução"). The hyphen stays before h and the
// same vowel ("anti-inflamatório", "micro-ondas"), and a join is kept only
// when the spelling list has the result.
std::string SpellingNormaliser::JoinPrefix(const std::string& word) const {
  static const std::set<std::string> kPrefixes = {
      "aero", "agro", "anti", "arqui", "auto", "bio", "co", "contra", "eletro", "extra",
      "geo", "hidro", "infra", "intra", "macro", "maxi", "micro", "mini", "multi", "neo",
      "pluri", "proto", "pseudo", "re", "retro", "semi", "supra", "tele", "ultra"};
  const std::size_t hyphen = word.find('-');
  if (hyphen == std::string::npos || word.find('-', hyphen + 1) != std::string::npos ||
      hyphen + 1 >= word.size() || kPrefixes.count(word.substr(0, hyphen)) == 0 ||
      validWords_.count(word) != 0) {
    return word;
  }
  const std::string prefix = word.substr(0, hyphen);
  const std::string rest = word.substr(hyphen + 1);
  const char first = rest.front();
  if (first == prefix.back() || first == 'h') return word;
  std::string joined = prefix + rest;
  if (first == 'r' || first == 's') joined = prefix + first + rest;
  return validWords_.count(joined) != 0 ? joined : word;
}

std::string SpellingNormaliser::NormalisePart(const std::string& part) const {
  if (part.empty() || validWords_.count(part) != 0) return part;
  if (const auto exact = exact_.find(part); exact != exact_.end()) return exact->second;
  // The longest head that begins the word wins.
  for (std::size_t length = part.size(); length >= kMinimumStemHead; --length) {
    const auto stem = stems_.find(part.substr(0, length));
    if (stem == stems_.end()) continue;
    std::string candidate = stem->second.replacement + part.substr(stem->second.oldLength);
    if (validWords_.count(candidate) != 0) return candidate;
  }
  return part;
}

std::vector<std::pair<std::string, std::string>> AgreementAccentPairs() {
  static const char* const kPairs[][2] = {
      {"pára", "para"},   {"pêlo", "pelo"},     {"pêlos", "pelos"},   {"pólo", "polo"},
      {"pólos", "polos"}, {"vêem", "veem"},     {"lêem", "leem"},     {"crêem", "creem"},
      {"dêem", "deem"},   {"vôo", "voo"},       {"vôos", "voos"},     {"enjôo", "enjoo"},
      {"prevêem", "preveem"}, {"revêem", "reveem"}, {"relêem", "releem"}};
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const auto& pair : kPairs) pairs.emplace_back(Utf8ToCp1252(pair[0]), Utf8ToCp1252(pair[1]));
  return pairs;
}

std::vector<std::pair<std::string, std::string>> ReadSpellingPairs(std::string_view contents) {
  std::vector<std::pair<std::string, std::string>> pairs;
  const std::vector<std::string> lines = ReadLines(contents);
  for (std::size_t i = 1; i < lines.size(); ++i) {  // line 0 is the header
    const std::string& line = lines[i];
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    std::string newForm = line.substr(tab + 1);
    if (const std::size_t comma = newForm.find(','); comma != std::string::npos) {
      newForm.resize(comma);
    }
    const std::string oldForm = ToLower(Utf8ToCp1252(Trim(line.substr(0, tab)), '?'));
    const std::string current = ToLower(Utf8ToCp1252(Trim(newForm), '?'));
    pairs.emplace_back(oldForm, current);
  }
  return pairs;
}

}  // namespace vorelio::builder
