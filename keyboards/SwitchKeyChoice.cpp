#include "keyboards/SwitchKeyChoice.h"

#include <algorithm>

namespace vorelio {

namespace {

bool Contains(const std::vector<std::string>& entries, std::string_view name) {
  return std::find(entries.begin(), entries.end(), name) != entries.end();
}

}  // namespace

CSwitchKeyChoice::CSwitchKeyChoice(const CKeySet& keys, std::string_view switch1,
                                   std::string_view switch2) {
  lists_[0].selection = std::string(switch1);
  lists_[1].selection = std::string(switch2);
  Refill(keys);
}

void CSwitchKeyChoice::Pick(int list, std::string_view name, CKeySet& keys) {
  if (list != 0 && list != 1) return;
  SwitchList& chosen = lists_[list];
  SwitchList& other = lists_[1 - list];
  if (chosen.selection == name) return;
  if (chosen.selection) {
    const std::string old = *chosen.selection;
    if (other.selection != old) keys.Release(old);
    if (!Contains(other.entries, old)) other.entries.push_back(old);
  }
  keys.Reserve(name);
  chosen.selection = std::string(name);
  std::erase(other.entries, name);
  if (other.selection == name) {
    other.previous = *other.selection;
    other.selection.reset();
  }
}

void CSwitchKeyChoice::Reactivate(const CKeySet& keys) {
  for (SwitchList& list : lists_)
    if (!list.selection && !list.previous.empty()) list.selection = list.previous;
  Refill(keys);
}

void CSwitchKeyChoice::Refill(const CKeySet& keys) {
  for (SwitchList& list : lists_) {
    list.entries.clear();
    if (list.selection) list.entries.push_back(*list.selection);
    for (std::string& name : keys.FreeNames())
      if (!Contains(list.entries, name)) list.entries.push_back(std::move(name));
  }
}

}  // namespace vorelio
