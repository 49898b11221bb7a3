#include "output/ReservedKeyTable.h"

#include <algorithm>

namespace vorelio {

void ReservedKeyTable::Add(int virtualKey) {
  // A free entry is not a key: -1 is never stored as one.
  if (virtualKey == hook::kFreeEntry) return;
  const auto free = std::find(entries_.begin(), entries_.end(), hook::kFreeEntry);
  if (free != entries_.end()) *free = virtualKey;
}

void ReservedKeyTable::Delete(int virtualKey) {
  if (virtualKey == hook::kFreeEntry) return;
  const auto entry = std::find(entries_.begin(), entries_.end(), virtualKey);
  if (entry != entries_.end()) *entry = hook::kFreeEntry;
}

bool ReservedKeyTable::Holds(int virtualKey) const {
  return virtualKey != hook::kFreeEntry &&
         std::find(entries_.begin(), entries_.end(), virtualKey) != entries_.end();
}

}  // namespace vorelio
