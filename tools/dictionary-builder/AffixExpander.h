// Expansion of a spelling dictionary kept in the affix form: a list of stems,
// each with one-character flags and a morphological description
// ("abafar/XYPLDn [CAT=v,T=inf,TR=t]"), and prefix and suffix rules keyed
// by those flags ("SFX p 0 s [^ã][^lsmrnzx]"). Expanding a stem by its
// flags gives every form the list accepts, each tied to its stem, so a form
// can take its stem's category and be counted with the other forms of the
// same stem. All text is Windows-1252.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

// One stem of the stem list.
struct StemEntry {
  std::string stem;        // as written; names keep their capital
  std::string flags;       // one character per rule set
  std::string category;    // the CAT= value ("v", "nc", "adj"...), empty when absent
  std::string morphology;  // the whole bracketed description
};

// The rule sets of an affix file.
class AffixRules {
 public:
  // Reads the PFX and SFX blocks; other lines (SET, TRY, REP, MAP...) are
  // ignored, and so are malformed rules.
  static AffixRules Parse(std::string_view contents);

  // How a form was made, the same for every stem: 0 for the stem itself,
  // else the rule's number, or for a prefix joined to a suffix form both
  // numbers (prefix x kRuleSpan + suffix).
  using Derivation = uint32_t;
  static constexpr Derivation kRuleSpan = 1u << 14;

  // Calls `emit` with the stem itself, then every form one suffix or one
  // prefix of its flags gives, then the forms of a prefix joined to a suffix
  // form when both rule sets allow the combination. A form may be emitted
  // more than once.
  void Expand(const std::string& stem, std::string_view flags,
              const std::function<void(const std::string&, Derivation)>& emit) const;

  std::size_t RuleCount() const;

  // The category a derivation gives its forms when its rule states one
  // ("CAT=nc" of a "-mento" rule: a noun made from a verb); empty when the
  // form keeps its stem's category. For a prefix joined to a suffix form,
  // the suffix rule's.
  std::string CategoryOf(Derivation how) const;

 private:
  // One position of a rule's condition: a character, a set "[...]", a
  // negated set "[^...]" or any character ".".
  struct ConditionElement {
    std::string characters;
    bool negated = false;
    bool any = false;
    bool Matches(char c) const;
  };
  struct Rule {
    std::string strip;  // removed from the stem ("0" in the file: nothing)
    std::string add;    // put in its place
    std::vector<ConditionElement> condition;
    Derivation number = 0;  // from 1, in file order
  };
  struct RuleSet {
    bool isPrefix = false;
    bool combines = false;  // "Y": a prefix and a suffix may both apply
    std::vector<Rule> rules;
  };

  static std::vector<ConditionElement> ParseCondition(std::string_view text);
  static bool Apply(const RuleSet& set, const Rule& rule, const std::string& word,
                    std::string& form);

  std::map<char, RuleSet> sets_;
  std::vector<std::string> categories_;  // by rule number
  Derivation ruleCount_ = 0;
};

// Reads the stem list: an optional first line with the count, then
// "stem[/flags]<TAB>[description]" lines. The category is the first
// "CAT=" value of the description.
std::vector<StemEntry> ReadStemList(std::string_view contents);

}  // namespace vorelio::builder
