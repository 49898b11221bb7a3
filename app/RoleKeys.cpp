#include "app/RoleKeys.h"

namespace vorelio {

void RoleKeys::Register(const UserProfileOptions& options, CKeySet& keys,
                        SpecialKeyRegistry& registry) {
  // Everything is given up first: two roles may share a key (both switches
  // default to the same one), and giving up one role's key must not take
  // it from the other.
  for (CRoleKey* role : {&switch1_, &switch2_, &abbreviation_, &speakWord_, &speakSentence_}) {
    role->GiveUp(registry);
  }
  if (firstPredictionKey_) {
    for (int n = 0; n < kPredictionKeyCount; ++n)
      registry.DeleteSpecialKey(*firstPredictionKey_ + n);
    firstPredictionKey_.reset();
  }

  switch1_.Set(options.switch1Key, keys, registry);
  switch2_.Set(options.switch2Key, keys, registry);
  // 0, the default of a profile whose options page never chose F1 or 0 as
  // the first prediction key, stands for none: codes 0-9 would take
  // Backspace and Tab from the user.
  const int first = options.completionKeys;
  if (first > 0 && first + kPredictionKeyCount <= CKeySet::kCodeCount) {
    firstPredictionKey_ = first;
    for (int n = 0; n < kPredictionKeyCount; ++n) {
      keys.ReserveCode(first + n);
      registry.AddSpecialKey(first + n);
    }
  }
  abbreviation_.Set(options.abbreviationExpansionKey, keys, registry);
  speakWord_.Set(options.speakWordKey, keys, registry);
  speakSentence_.Set(options.speakSentenceKey, keys, registry);
}

std::optional<int> RoleKeys::PredictionKeyPlace(int virtualKey) const {
  if (!firstPredictionKey_) return std::nullopt;
  const int place = virtualKey - *firstPredictionKey_;
  if (place < 0 || place >= kPredictionKeyCount) return std::nullopt;
  return place;
}

}  // namespace vorelio
