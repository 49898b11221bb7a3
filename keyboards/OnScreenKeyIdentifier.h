// Where a key is: line, group and key index, each from 0. The event log
// writes it as "line.group.key" (a group as "line.group"); window messages
// carry it packed into one integer, line * 65536 + group * 256 + key, which
// needs every index below 256 (the capacities keep them below 200).
#pragma once

#include <cstdint>
#include <string>

namespace vorelio {

struct COnScreenKeyIdentifier {
  int line = -1;
  int group = -1;
  int key = -1;

  std::string Text() const;       // "2.1.5"
  std::string GroupText() const;  // "2.1"
  std::uintptr_t Packed() const;  // 2 * 65536 + 1 * 256 + 5
  static COnScreenKeyIdentifier FromPacked(std::uintptr_t packed);

  bool operator==(const COnScreenKeyIdentifier&) const = default;
};

}  // namespace vorelio
