#include "tools/dictionary-builder/FrequencyEstimate.h"

#include <algorithm>
#include <cmath>

#include "tools/dictionary-builder/DictionaryWriter.h"

namespace vorelio::builder {
namespace {

// Smoothing of a share: a derivation seen on few stems tends to the share a
// single attested form would give over this much stem count.
constexpr double kSmoothingStemCount = 10000.0;
// Each tenfold of the expected count raises the frequency this much.
constexpr double kPerTenfold = 6.0;
constexpr double kOffset = 2.0;

}  // namespace

void DerivationShares::AddForm(uint32_t derivation, int64_t stemCount, int64_t formCount) {
  Share& share = shares_[derivation];
  share.forms += static_cast<double>(std::max<int64_t>(formCount, 0));
  share.stems += static_cast<double>(std::max<int64_t>(stemCount, 0));
  overall_.forms += static_cast<double>(std::max<int64_t>(formCount, 0));
  overall_.stems += static_cast<double>(std::max<int64_t>(stemCount, 0));
}

double DerivationShares::Ratio(const Share& share) {
  return (share.forms + 1.0) / (share.stems + kSmoothingStemCount);
}

double DerivationShares::ExpectedCount(uint32_t derivation, int64_t stemCount) const {
  const auto found = shares_.find(derivation);
  const double ratio = found == shares_.end() ? Ratio(Share{}) : Ratio(found->second);
  return (static_cast<double>(std::max<int64_t>(stemCount, 0)) + kUnseenStemCount) * ratio;
}

double DerivationShares::ExpectedCountWithoutStem() const {
  return kUnseenStemCount * Ratio(overall_);
}

int64_t EstimateFrequency(double expectedCount) {
  const double scaled = kOffset + kPerTenfold * std::log10(1.0 + std::max(expectedCount, 0.0));
  const auto frequency = static_cast<int64_t>(std::floor(std::min(scaled, 1000.0)));
  return std::clamp(frequency, kLowestEstimate, kHighestEstimate);
}

std::vector<EstimatedForm> ChooseEstimatedForms(std::vector<EstimatedForm> forms,
                                                std::size_t room) {
  std::sort(forms.begin(), forms.end(), [](const EstimatedForm& a, const EstimatedForm& b) {
    if (a.frequency != b.frequency) return a.frequency > b.frequency;
    if (a.text.size() != b.text.size()) return a.text.size() < b.text.size();
    return ByteLess()(a.text, b.text);
  });
  if (forms.size() > room) forms.resize(room);
  return forms;
}

}  // namespace vorelio::builder
