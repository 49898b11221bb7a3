// The message editor's own table of special keys: the counterpart of the
// hook library's table for the keys typed into the editor. A key in the
// table is reported to the controller but never reaches the text.
//
// The same rules as the library's table: 20 entries; adding takes the first
// free entry (a full table is left as it is; adding a code twice uses two
// entries); deleting frees the first entry equal to the code.
#pragma once

#include <array>
#include <cstdint>

#include "hook/HookSegment.h"

namespace vorelio {

class ReservedKeyTable {
 public:
  ReservedKeyTable() { entries_.fill(hook::kFreeEntry); }

  void Add(int virtualKey);
  void Delete(int virtualKey);
  bool Holds(int virtualKey) const;
  // Every entry free again.
  void Clear() { entries_.fill(hook::kFreeEntry); }

 private:
  std::array<int32_t, hook::kSpecialKeyCount> entries_;
};

}  // namespace vorelio
