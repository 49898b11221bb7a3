// Walks over the lines and groups of an on-screen keyboard that hold keys:
// the lookups that scanning moves by and that the keyboard model answers
// ("the first line that has keys", "the next group after this one").
// Lines and groups without keys are stepped over; "next" wraps after the
// last to the first, and comes back to the given element when it is the
// only one holding keys.
#pragma once

#include <optional>

#include "keyboards/KeyboardShape.h"

namespace vorelio {

// Whether the line has a group with at least one key (false for a line that
// does not exist).
bool LineHasKeys(const KeyboardShape& shape, int line);
int LinesWithKeysCount(const KeyboardShape& shape);
// Nothing when no line holds a key.
std::optional<int> FirstLineWithKeys(const KeyboardShape& shape);
// The next line holding keys after `line`, wrapping; `line` may be -1 (then
// the first) or any index. Nothing when no line holds a key.
std::optional<int> NextLineWithKeys(const KeyboardShape& shape, int line);

// The same over the groups of one line.
bool GroupHasKeys(const KeyboardShape& shape, int line, int group);
int GroupsWithKeysCount(const KeyboardShape& shape, int line);
std::optional<int> FirstGroupWithKeys(const KeyboardShape& shape, int line);
std::optional<int> NextGroupWithKeys(const KeyboardShape& shape, int line, int group);

}  // namespace vorelio
