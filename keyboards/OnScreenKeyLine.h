// COnScreenKeyLine: one line of an on-screen keyboard: its name, its index
// in the keyboard, its groups (at most 10), and whether it changed since
// the keyboard was loaded or saved.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "keyboards/OnScreenKeyGroup.h"

namespace vorelio {

class COnScreenKeyLine {
 public:
  static constexpr int kCapacity = 10;

  // The line at `index`; the environment must outlive it.
  COnScreenKeyLine(const KeyboardEnvironment& environment, int index, std::string name);

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  int GroupCount() const { return static_cast<int>(groups_.size()); }
  // Null for an index outside 0 .. GroupCount() - 1.
  COnScreenKeyGroup* Group(int index);
  const COnScreenKeyGroup* Group(int index) const;

  // Appends a group and marks the line modified; its index, or -1 (nothing
  // added, nothing marked) when the line is full.
  int AddGroup(std::string name);
  // The name and the groups' records.
  COnScreenKeyLineData Data() const;

  // Modified: the line's own flag or any of its groups'.
  bool IsModified() const;
  void ClearModified();

  template <typename F>
  void ForEachKey(F&& f) {
    for (const auto& group : groups_) group->ForEachKey(f);
  }

 private:
  const KeyboardEnvironment* environment_;
  std::string name_;
  int index_;
  std::vector<std::unique_ptr<COnScreenKeyGroup>> groups_;
  bool modified_ = false;
};

}  // namespace vorelio
