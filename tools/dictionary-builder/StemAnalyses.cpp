#include "tools/dictionary-builder/StemAnalyses.h"

#include <algorithm>

#include "common/Text.h"

namespace vorelio::builder {

StemAnalyses::StemAnalyses(std::string_view affixRules, std::string_view stemList,
                           const std::set<std::string>& wanted)
    : rules_(AffixRules::Parse(affixRules)), stems_(ReadStemList(stemList)) {
  ForEachForm([&](uint32_t stem, const std::string& form, AffixRules::Derivation how) {
    if (wanted.count(form) == 0) return;
    std::vector<uint32_t>& stems = forms_[form];
    if (std::find(stems.begin(), stems.end(), stem) == stems.end()) stems.push_back(stem);
    std::string category = rules_.CategoryOf(how);
    if (category.empty()) category = stems_[stem].category;
    std::vector<Analysis>& analyses = analyses_[form];
    Analysis analysis{stem, std::move(category)};
    if (std::find(analyses.begin(), analyses.end(), analysis) == analyses.end()) {
      analyses.push_back(std::move(analysis));
    }
  });
}

void StemAnalyses::ForEachForm(
    const std::function<void(uint32_t, const std::string&, AffixRules::Derivation)>& visit)
    const {
  for (uint32_t index = 0; index < stems_.size(); ++index) {
    rules_.Expand(stems_[index].stem, stems_[index].flags,
                  [&](const std::string& form, AffixRules::Derivation how) {
                    visit(index, ToLower(form), how);
                  });
  }
}

const std::vector<StemAnalyses::Analysis>& StemAnalyses::AnalysesOf(
    const std::string& form) const {
  static const std::vector<Analysis> kNone;
  const auto found = analyses_.find(form);
  return found == analyses_.end() ? kNone : found->second;
}

const std::vector<uint32_t>& StemAnalyses::StemsOf(const std::string& form) const {
  static const std::vector<uint32_t> kNone;
  const auto found = forms_.find(form);
  return found == forms_.end() ? kNone : found->second;
}

}  // namespace vorelio::builder
