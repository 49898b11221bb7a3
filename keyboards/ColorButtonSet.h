// CColorButtonSet: the keys of one group, in order, at most 200. New keys
// take the group's defaults (the presentation's key colours, font and data
// folder) for what their records leave to them.
#pragma once

#include <memory>
#include <vector>

#include "keyboards/ColorButton.h"

namespace vorelio {

class CColorButtonSet {
 public:
  static constexpr int kCapacity = 200;

  // The keys' positions start with (line, group). The environment must
  // outlive the set.
  CColorButtonSet(const KeyboardEnvironment& environment, int line, int group);

  int Count() const { return static_cast<int>(keys_.size()); }
  // Null for an index outside 0 .. Count() - 1.
  CColorButton* Key(int index);
  const CColorButton* Key(int index) const;
  const std::vector<std::unique_ptr<CColorButton>>& Keys() const { return keys_; }

  // Appends a key made from the record; its index, or -1 (nothing added)
  // when the set is full.
  int Add(const COnScreenKeyData& data, bool editMode);
  // The keys' records, in order.
  std::vector<COnScreenKeyData> Data() const;

  int32_t DefaultBackgroundColour() const { return environment_->presentation.keyBackgroundColour; }
  int32_t DefaultTextColour() const { return environment_->presentation.keyTextColour; }

  // Calls f(CColorButton&) for every key, in order.
  template <typename F>
  void ForEachKey(F&& f) {
    for (const auto& key : keys_) f(*key);
  }

 private:
  const KeyboardEnvironment* environment_;
  int line_;
  int group_;
  std::vector<std::unique_ptr<CColorButton>> keys_;
};

}  // namespace vorelio
