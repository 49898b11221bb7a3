// The counts of an on-screen keyboard (lines, groups of a line, keys of a
// group) and whether a key reacts: all that scanning and the lookups of
// "the first line that has keys" need to walk a keyboard. The keyboard
// model implements it; tests use small fixed shapes.
#pragma once

#include "keyboards/OnScreenKeyIdentifier.h"

namespace vorelio {

class KeyboardShape {
 public:
  virtual ~KeyboardShape() = default;
  virtual int LineCount() const = 0;
  // 0 for a line that does not exist.
  virtual int GroupCount(int line) const = 0;
  // 0 for a group that does not exist.
  virtual int KeyCount(int line, int group) const = 0;
  // False for a key that does not exist.
  virtual bool KeyIsActive(const COnScreenKeyIdentifier& key) const = 0;
};

}  // namespace vorelio
