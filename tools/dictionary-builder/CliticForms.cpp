#include "tools/dictionary-builder/CliticForms.h"

namespace vorelio::builder {

const std::vector<std::string>& PlainEnclitics() {
  static const std::vector<std::string> pronouns = {"me", "te", "se", "lhe", "nos", "vos", "lhes"};
  return pronouns;
}

std::string CliticShares::EndingOf(const std::string& verb) {
  return verb.size() <= kEndingLength ? verb : verb.substr(verb.size() - kEndingLength);
}

void CliticShares::AddVerbForm(const std::string& verb, int64_t count) {
  if (count > 0) verbCounts_[EndingOf(verb)] += static_cast<double>(count);
}

void CliticShares::AddCliticForm(const std::string& verb, const std::string& pronoun,
                                 int64_t count) {
  if (count > 0) cliticCounts_[{EndingOf(verb), pronoun}] += static_cast<double>(count);
}

double CliticShares::ExpectedCount(const std::string& verb, int64_t verbCount,
                                   const std::string& pronoun) const {
  const std::string ending = EndingOf(verb);
  const auto clitic = cliticCounts_.find({ending, pronoun});
  const auto verbs = verbCounts_.find(ending);
  if (clitic == cliticCounts_.end() || verbs == verbCounts_.end() || verbCount <= 0) return 0.0;
  return static_cast<double>(verbCount) * clitic->second / verbs->second;
}

}  // namespace vorelio::builder
