#include "keyboards/OnScreenKeyLine.h"

#include <utility>

namespace vorelio {

COnScreenKeyLine::COnScreenKeyLine(const KeyboardEnvironment& environment, int index,
                                   std::string name)
    : environment_(&environment), name_(std::move(name)), index_(index) {}

COnScreenKeyGroup* COnScreenKeyLine::Group(int index) {
  return index >= 0 && index < GroupCount() ? groups_[static_cast<std::size_t>(index)].get()
                                            : nullptr;
}

const COnScreenKeyGroup* COnScreenKeyLine::Group(int index) const {
  return index >= 0 && index < GroupCount() ? groups_[static_cast<std::size_t>(index)].get()
                                            : nullptr;
}

int COnScreenKeyLine::AddGroup(std::string name) {
  if (GroupCount() >= kCapacity) return -1;
  const int index = GroupCount();
  groups_.push_back(
      std::make_unique<COnScreenKeyGroup>(*environment_, index_, index, std::move(name)));
  modified_ = true;
  return index;
}

COnScreenKeyLineData COnScreenKeyLine::Data() const {
  COnScreenKeyLineData data{name_, {}};
  data.groups.reserve(groups_.size());
  for (const auto& group : groups_) data.groups.push_back(group->Data());
  return data;
}

bool COnScreenKeyLine::IsModified() const {
  if (modified_) return true;
  for (const auto& group : groups_) {
    if (group->IsModified()) return true;
  }
  return false;
}

void COnScreenKeyLine::ClearModified() {
  modified_ = false;
  for (const auto& group : groups_) group->ClearModified();
}

}  // namespace vorelio
