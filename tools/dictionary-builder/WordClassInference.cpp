#include "tools/dictionary-builder/WordClassInference.h"

#include <algorithm>

#include "common/Text.h"

namespace vorelio::builder {
namespace {

// The coordinating conjunctions; every other conjunction of the list
// ("porque", "embora", "quando") introduces a clause.
bool IsCoordinating(std::string_view word) {
  static const std::set<std::string, std::less<>> kCoordinating = {
      "e", "ou", "mas", "nem", "pois", "porém", "contudo", "todavia", "portanto", "logo",
      "quer", "ora", "senão", "entretanto"};
  return kCoordinating.count(Cp1252ToUtf8(std::string(word))) != 0;
}

// A contraction is a preposition joined to an article, a determiner, a
// pronoun or an adverb ("do", "deste", "comigo", "daqui").
std::string ClassOfContraction(std::string_view morphology) {
  if (morphology.find("Ppes=") != std::string_view::npos) return "ADP+PRON";
  if (morphology.find("Adv=") != std::string_view::npos) return "ADP+ADV";
  return "ADP+DET";
}

}  // namespace

std::string ClassOfCategory(std::string_view category, std::string_view morphology,
                            std::string_view word) {
  static const std::map<std::string_view, std::string_view> kClasses = {
      {"nc", "NOUN"},  {"a_nc", "ADJ"},  {"np", "PROPN"}, {"adj", "ADJ"},   {"nord", "ADJ"},
      {"v", "VERB"},   {"adv", "ADV"},   {"modo", "ADV"}, {"lugar", "ADV"}, {"tempo", "ADV"},
      {"quant", "ADV"}, {"neg", "ADV"},  {"prep", "ADP"}, {"art", "DET"},   {"ppos", "DET"},
      {"pdem", "DET"}, {"pind", "PRON"}, {"ppes", "PRON"}, {"prel", "PRON"}, {"pint", "PRON"},
      {"in", "INTJ"},  {"card", "NUM"},  {"num", "NUM"}};
  if (category == "con") return IsCoordinating(word) ? "CCONJ" : "SCONJ";
  if (category == "cp") return ClassOfContraction(morphology);
  const auto found = kClasses.find(category);
  return found == kClasses.end() ? std::string() : std::string(found->second);
}

void SuffixClassModel::Add(const std::string& word, const std::string& wordClass) {
  if (wordClass.empty()) return;
  const std::size_t longest = std::min(kLongestEnding, word.size() - std::min<std::size_t>(word.size(), 1));
  for (std::size_t length = 1; length <= longest; ++length) {
    ++endings_[word.substr(word.size() - length)][wordClass];
  }
}

std::string SuffixClassModel::Infer(const std::string& word,
                                    const std::set<std::string>& allowed) const {
  for (std::size_t length = std::min(kLongestEnding, word.size()); length >= 1; --length) {
    const auto found = endings_.find(word.substr(word.size() - length));
    if (found == endings_.end()) continue;
    std::string best;
    int64_t bestCount = 0;
    for (const auto& [name, count] : found->second) {
      if (!allowed.empty() && allowed.count(name) == 0) continue;
      if (count > bestCount) {
        best = name;
        bestCount = count;
      }
    }
    if (!best.empty()) return best;
  }
  return {};
}

std::string ClassInference::ClassOf(const std::string& word) const {
  std::set<std::string> options;
  std::string first;
  for (const StemAnalyses::Analysis& analysis : analyses_.AnalysesOf(word)) {
    const StemEntry& stem = analyses_.Stem(analysis.stem);
    std::string wordClass = ClassOfCategory(analysis.category, stem.morphology, word);
    if (wordClass.empty()) continue;
    if (first.empty()) first = wordClass;
    options.insert(std::move(wordClass));
  }
  if (options.size() == 1) return first;
  std::string inferred = suffixes_.Infer(word, options);
  if (!inferred.empty()) return inferred;
  return first.empty() ? fallback_ : first;
}

}  // namespace vorelio::builder
