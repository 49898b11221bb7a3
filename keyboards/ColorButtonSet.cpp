#include "keyboards/ColorButtonSet.h"

namespace vorelio {

CColorButtonSet::CColorButtonSet(const KeyboardEnvironment& environment, int line, int group)
    : environment_(&environment), line_(line), group_(group) {}

CColorButton* CColorButtonSet::Key(int index) {
  return index >= 0 && index < Count() ? keys_[static_cast<std::size_t>(index)].get() : nullptr;
}

const CColorButton* CColorButtonSet::Key(int index) const {
  return index >= 0 && index < Count() ? keys_[static_cast<std::size_t>(index)].get() : nullptr;
}

int CColorButtonSet::Add(const COnScreenKeyData& data, bool editMode) {
  if (Count() >= kCapacity) return -1;
  const int index = Count();
  keys_.push_back(std::make_unique<CColorButton>(
      *environment_, COnScreenKeyIdentifier{line_, group_, index}, data, editMode));
  return index;
}

std::vector<COnScreenKeyData> CColorButtonSet::Data() const {
  std::vector<COnScreenKeyData> data;
  data.reserve(keys_.size());
  for (const auto& key : keys_) data.push_back(key->Data());
  return data;
}

}  // namespace vorelio
