#include "tools/dictionary-builder/AffixExpander.h"

#include <cctype>

#include "common/Text.h"
#include "tools/dictionary-builder/FrequencyListReader.h"

namespace vorelio::builder {
namespace {

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsWhiteSpace(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsWhiteSpace(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

// "0" stands for nothing; a "/flags" continuation is not used by the lists
// read here and is cut off.
std::string AffixText(std::string_view field) {
  if (field == "0") return {};
  return std::string(field.substr(0, field.find('/')));
}

// The value of the first "CAT=" of a description, up to "," "$" or "]".
std::string CategoryField(std::string_view description) {
  const std::size_t start = description.find("CAT=");
  if (start == std::string_view::npos) return {};
  // "SUBCAT=" is not the category.
  if (start > 0 && description[start - 1] != ',' && description[start - 1] != '[' &&
      description[start - 1] != '$' && description[start - 1] != '+') {
    return CategoryField(description.substr(start + 4));
  }
  const std::size_t end = description.find_first_of(",$]", start);
  return std::string(description.substr(start + 4, end == std::string_view::npos ? std::string_view::npos : end - start - 4));
}

}  // namespace

bool AffixRules::ConditionElement::Matches(char c) const {
  if (any) return true;
  return (characters.find(c) != std::string::npos) != negated;
}

std::vector<AffixRules::ConditionElement> AffixRules::ParseCondition(std::string_view text) {
  std::vector<ConditionElement> elements;
  for (std::size_t i = 0; i < text.size(); ++i) {
    ConditionElement element;
    if (text[i] == '.') {
      element.any = true;
    } else if (text[i] == '[') {
      const std::size_t close = text.find(']', i + 1);
      if (close == std::string_view::npos) return {};
      std::string_view inside = text.substr(i + 1, close - i - 1);
      if (!inside.empty() && inside.front() == '^') {
        element.negated = true;
        inside.remove_prefix(1);
      }
      element.characters = std::string(inside);
      i = close;
    } else {
      element.characters = std::string(1, text[i]);
    }
    elements.push_back(std::move(element));
  }
  return elements;
}

AffixRules AffixRules::Parse(std::string_view contents) {
  AffixRules rules;
  for (const std::string& line : ReadLines(contents)) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < 4 || (fields[0] != "PFX" && fields[0] != "SFX") ||
        fields[1].size() != 1) {
      continue;
    }
    const char flag = fields[1].front();
    const bool isHeader = fields[2] == "Y" || fields[2] == "N";
    const bool isCount = !fields[3].empty() && std::isdigit(static_cast<unsigned char>(fields[3][0]));
    if (isHeader && isCount && rules.sets_.count(flag) == 0) {
      RuleSet& set = rules.sets_[flag];
      set.isPrefix = fields[0] == "PFX";
      set.combines = fields[2] == "Y";
      continue;
    }
    if (fields.size() < 5) continue;
    const auto set = rules.sets_.find(flag);
    if (set == rules.sets_.end() || set->second.isPrefix != (fields[0] == "PFX")) continue;
    Rule rule{AffixText(fields[2]), AffixText(fields[3]), ParseCondition(fields[4]), 0};
    if (rule.condition.empty() && fields[4] != ".") continue;
    if (rules.ruleCount_ + 1 >= kRuleSpan) continue;
    rule.number = ++rules.ruleCount_;
    rules.categories_.resize(rule.number + 1);
    for (std::size_t i = 5; i < fields.size(); ++i) {
      rules.categories_[rule.number] = CategoryField(fields[i]);
      if (!rules.categories_[rule.number].empty()) break;
    }
    set->second.rules.push_back(std::move(rule));
  }
  return rules;
}

std::size_t AffixRules::RuleCount() const { return ruleCount_; }

std::string AffixRules::CategoryOf(Derivation how) const {
  const Derivation rule = how % kRuleSpan;
  return rule < categories_.size() ? categories_[rule] : std::string();
}

bool AffixRules::Apply(const RuleSet& set, const Rule& rule, const std::string& word,
                       std::string& form) {
  const std::size_t n = rule.condition.size();
  if (word.size() < n || word.size() <= rule.strip.size()) return false;
  if (set.isPrefix) {
    if (word.compare(0, rule.strip.size(), rule.strip) != 0) return false;
    for (std::size_t i = 0; i < n; ++i) {
      if (!rule.condition[i].Matches(word[i])) return false;
    }
    form = rule.add + word.substr(rule.strip.size());
    return true;
  }
  if (word.compare(word.size() - rule.strip.size(), rule.strip.size(), rule.strip) != 0) {
    return false;
  }
  const std::size_t start = word.size() - n;
  for (std::size_t i = 0; i < n; ++i) {
    if (!rule.condition[i].Matches(word[start + i])) return false;
  }
  form = word.substr(0, word.size() - rule.strip.size()) + rule.add;
  return true;
}

void AffixRules::Expand(const std::string& stem, std::string_view flags,
                        const std::function<void(const std::string&, Derivation)>& emit) const {
  emit(stem, 0);
  std::vector<const RuleSet*> prefixes;
  std::vector<std::pair<std::string, Derivation>> combinable;  // suffix forms a prefix may join
  std::string form;
  for (const char flag : flags) {
    const auto found = sets_.find(flag);
    if (found == sets_.end()) continue;
    const RuleSet& set = found->second;
    if (set.isPrefix) {
      prefixes.push_back(&set);
      continue;
    }
    for (const Rule& rule : set.rules) {
      if (!Apply(set, rule, stem, form)) continue;
      emit(form, rule.number);
      if (set.combines) combinable.emplace_back(form, rule.number);
    }
  }
  for (const RuleSet* set : prefixes) {
    for (const Rule& rule : set->rules) {
      if (!Apply(*set, rule, stem, form)) continue;
      emit(form, rule.number);
      if (!set->combines) continue;
      for (const auto& [suffixed, suffix] : combinable) {
        if (Apply(*set, rule, suffixed, form)) emit(form, rule.number * kRuleSpan + suffix);
      }
    }
  }
}

std::vector<StemEntry> ReadStemList(std::string_view contents) {
  std::vector<StemEntry> stems;
  for (const std::string& line : ReadLines(contents)) {
    const std::size_t tab = line.find('\t');
    const std::string head(Trim(std::string_view(line).substr(0, tab)));
    if (head.empty() || std::isdigit(static_cast<unsigned char>(head.front()))) continue;
    StemEntry entry;
    const std::size_t slash = head.find('/');
    entry.stem = head.substr(0, slash);
    // A few stems carry a note instead of flags ("toilette/ORIG=fra").
    if (slash != std::string::npos && head.find('=', slash) == std::string::npos) {
      entry.flags = head.substr(slash + 1);
    }
    if (tab != std::string::npos) entry.morphology = std::string(Trim(line.substr(tab + 1)));
    entry.category = CategoryField(entry.morphology);
    if (entry.stem.empty()) continue;
    stems.push_back(std::move(entry));
  }
  return stems;
}

}  // namespace vorelio::builder
