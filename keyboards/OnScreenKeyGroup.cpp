#include "keyboards/OnScreenKeyGroup.h"

#include <utility>

namespace vorelio {

COnScreenKeyGroup::COnScreenKeyGroup(const KeyboardEnvironment& environment, int line, int index,
                                     std::string name)
    : name_(std::move(name)), index_(index), keys_(environment, line, index) {}

int COnScreenKeyGroup::AddKey(const COnScreenKeyData& data, bool editMode) {
  const int index = keys_.Add(data, editMode);
  if (index >= 0) modified_ = true;
  return index;
}

COnScreenKeyGroupData COnScreenKeyGroup::Data() const { return {name_, keys_.Data()}; }

}  // namespace vorelio
