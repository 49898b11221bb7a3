// The forms of the stem list that a build needs, each with the stems whose
// expansion gives it and the category it has there (the stem's, or the one
// the affix rule gives: "arrumação" is a noun made from the verb
// "arrumar"). All text is Windows-1252; forms are lower-cased.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/dictionary-builder/AffixExpander.h"

namespace vorelio::builder {

class StemAnalyses {
 public:
  // `affixRules`, `stemList`: the contents of the affix and stem files;
  // `wanted`: the forms to remember (every other form is only visited).
  StemAnalyses(std::string_view affixRules, std::string_view stemList,
               const std::set<std::string>& wanted);

  // Every form of every stem, lower-cased, with its stem's index and how it
  // was made; a form may come more than once.
  void ForEachForm(
      const std::function<void(uint32_t, const std::string&, AffixRules::Derivation)>& visit)
      const;

  // A stem that gives a form, and the category of the form.
  struct Analysis {
    uint32_t stem = 0;
    std::string category;
    bool operator==(const Analysis&) const = default;
  };
  // The analyses of a wanted form, each once; empty when the list does not
  // give it.
  const std::vector<Analysis>& AnalysesOf(const std::string& form) const;
  // The stems of a wanted form, each once.
  const std::vector<uint32_t>& StemsOf(const std::string& form) const;

  const StemEntry& Stem(uint32_t index) const { return stems_[index]; }
  std::size_t StemCount() const { return stems_.size(); }
  // Every wanted form the list gives, with its stems.
  const std::unordered_map<std::string, std::vector<uint32_t>>& Forms() const { return forms_; }

 private:
  AffixRules rules_;
  std::vector<StemEntry> stems_;
  std::unordered_map<std::string, std::vector<uint32_t>> forms_;
  std::unordered_map<std::string, std::vector<Analysis>> analyses_;
};

}  // namespace vorelio::builder
