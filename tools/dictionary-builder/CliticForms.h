// Verb forms with an enclitic pronoun that no corpus attests ("abster-se",
// "atribuir-lhe", "chamando-lhe"), with the counts they are expected to
// have. European Portuguese writes the pronoun after the verb, joined by a
// hyphen, and the engine takes the hyphenated whole as one word: a form the
// table lacks cannot be offered after "abster-".
//
// How often a pronoun follows a verb form is learned from the attested
// hyphenated forms, per pronoun and per ending of the verb form (its last
// three letters): "-ram" takes "-se" often ("realizaram-se"), "-ado" almost
// never, and "-mos" never takes "-nos" without dropping its "s"
// ("sentamo-nos"). A pronoun is proposed only after an ending it was seen
// after, so the patterns the text never shows are not invented.
// All words are lower-case Windows-1252.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vorelio::builder {

// The pronouns that join a verb form without changing it: "-lo", "-la"
// change it ("fazê-lo") and are left out.
const std::vector<std::string>& PlainEnclitics();

class CliticShares {
 public:
  static constexpr std::size_t kEndingLength = 3;

  // An attested verb form without a pronoun, with its count.
  void AddVerbForm(const std::string& verb, int64_t count);
  // An attested form "verb-pronoun", with its count.
  void AddCliticForm(const std::string& verb, const std::string& pronoun, int64_t count);

  // The count "verb-pronoun" is expected to have, for a verb form of
  // `verbCount`: that count times the share the pronoun takes after verb
  // forms with the same ending. 0 when the pronoun was never seen after
  // that ending.
  double ExpectedCount(const std::string& verb, int64_t verbCount,
                       const std::string& pronoun) const;

 private:
  static std::string EndingOf(const std::string& verb);

  std::map<std::string, double> verbCounts_;                          // by ending
  std::map<std::pair<std::string, std::string>, double> cliticCounts_;  // by ending, pronoun
};

}  // namespace vorelio::builder
