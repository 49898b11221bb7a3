// Frequencies for the word forms of the spelling list that no corpus
// attests, and the choice of which of them fit in the general table.
//
// A form's expected count is its stem's count (the summed counts of the
// stem's attested forms) times the share that forms made the same way (the
// same affix rule: "-ou", "-ásseis", the stem itself) take of their stems'
// counts across the whole list. "cansadíssimo" beside a frequent "cansado"
// comes before "fazêsseis", whose rule almost never yields an attested form.
// An unattested form stays rarer than every attested word (the smallest
// attested frequency is 30), so its frequency lies between 1 and 29; only
// the order among these forms matters: it decides which of them a prefix
// lists first and which are left out when the table is full.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vorelio::builder {

inline constexpr int64_t kLowestEstimate = 1;
inline constexpr int64_t kHighestEstimate = 29;

// The shares of each way of making a form (a derivation number of the
// affix rules).
class DerivationShares {
 public:
  // A stem no corpus attests counts as if its forms had occurred this often.
  static constexpr double kUnseenStemCount = 100.0;

  // One form of the expansion, attested or not: `stemCount` is its stem's
  // count, `formCount` the form's own attested count (0 when unattested).
  void AddForm(uint32_t derivation, int64_t stemCount, int64_t formCount);

  // The count a form made by `derivation` from a stem of `stemCount` is
  // expected to have.
  double ExpectedCount(uint32_t derivation, int64_t stemCount) const;
  // The same for a form whose stem is unknown: an unseen stem and the share
  // of all derivations together.
  double ExpectedCountWithoutStem() const;

 private:
  struct Share {
    double forms = 0;  // attested counts of the forms made this way
    double stems = 0;  // counts of the stems they were made from
  };
  static double Ratio(const Share& share);

  std::map<uint32_t, Share> shares_;
  Share overall_;
};

// An expected count as a frequency of the general table: kLowestEstimate
// up to kHighestEstimate, never lower for a larger expected count.
int64_t EstimateFrequency(double expectedCount);

struct EstimatedForm {
  std::string text;
  int64_t frequency = 0;
};

// The `room` best forms: highest frequency first, then the shorter, then
// byte order; the result is in that order.
std::vector<EstimatedForm> ChooseEstimatedForms(std::vector<EstimatedForm> forms,
                                                std::size_t room);

}  // namespace vorelio::builder
