// COnScreenKeyGroup: one group of keys in a line: its name, its index in the
// line, its keys, and whether it changed since the keyboard was loaded or
// saved.
#pragma once

#include <string>

#include "keyboards/ColorButtonSet.h"

namespace vorelio {

class COnScreenKeyGroup {
 public:
  // The group at (line, index); the environment must outlive it.
  COnScreenKeyGroup(const KeyboardEnvironment& environment, int line, int index, std::string name);

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  CColorButtonSet& Keys() { return keys_; }
  const CColorButtonSet& Keys() const { return keys_; }

  // Appends a key and marks the group modified; its index, or -1 (nothing
  // added, nothing marked) when the group is full.
  int AddKey(const COnScreenKeyData& data, bool editMode);
  // The name and the keys' records.
  COnScreenKeyGroupData Data() const;

  bool IsModified() const { return modified_; }
  void MarkModified() { modified_ = true; }
  void ClearModified() { modified_ = false; }

  template <typename F>
  void ForEachKey(F&& f) {
    keys_.ForEachKey(f);
  }

 private:
  std::string name_;
  int index_;
  CColorButtonSet keys_;
  bool modified_ = false;
};

}  // namespace vorelio
