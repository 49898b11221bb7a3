// The two switch-key lists of the scanning options page, without the page:
// each list offers its switch's current key and the free names of the key
// set, and picking a key in one list takes it out of the other, so the two
// switches cannot be set to the same key through the page.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyboards/KeySet.h"

namespace vorelio {

class CSwitchKeyChoice {
 public:
  // Lists 0 and 1 for switches 1 and 2, selecting `switch1` and `switch2`
  // (the current option values) and filled as Refill does.
  CSwitchKeyChoice(const CKeySet& keys, std::string_view switch1, std::string_view switch2);

  // The user picks `name` in list `list` (0 or 1): the old key is released
  // in `keys` unless the other switch still holds it, the new one reserved;
  // the old key joins the other list and the new one leaves it (clearing
  // that list's selection if it was the new key). Picking the selected key,
  // or a list other than 0 and 1: nothing.
  void Pick(int list, std::string_view name, CKeySet& keys);
  // The page becomes active again: a list without a selection takes back
  // the key it had before, and both lists are refilled from `keys`.
  void Reactivate(const CKeySet& keys);

  const std::vector<std::string>& Entries(int list) const { return lists_.at(list).entries; }
  const std::optional<std::string>& Selection(int list) const { return lists_.at(list).selection; }

 private:
  struct SwitchList {
    std::vector<std::string> entries;
    std::optional<std::string> selection;
    std::string previous;  // the key before the selection was lost
  };
  // Each list: its selected key first, then the free names not equal to it.
  void Refill(const CKeySet& keys);

  std::array<SwitchList, 2> lists_;
};

}  // namespace vorelio
