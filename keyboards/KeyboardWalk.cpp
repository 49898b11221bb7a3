#include "keyboards/KeyboardWalk.h"

namespace vorelio {

namespace {

// The first index after `from` (wrapping, `from` itself last) among
// 0..count-1 for which `holdsKeys` is true.
template <typename HoldsKeys>
std::optional<int> NextWrapping(int count, int from, HoldsKeys holdsKeys) {
  if (count <= 0) return std::nullopt;
  // -1 or an index beyond the end start the search at 0.
  const int start = from >= 0 && from < count ? from + 1 : 0;
  for (int step = 0; step < count; ++step) {
    const int index = (start + step) % count;
    if (holdsKeys(index)) return index;
  }
  return std::nullopt;
}

}  // namespace

bool GroupHasKeys(const KeyboardShape& shape, int line, int group) {
  return shape.KeyCount(line, group) > 0;
}

int GroupsWithKeysCount(const KeyboardShape& shape, int line) {
  int count = 0;
  for (int group = 0; group < shape.GroupCount(line); ++group) {
    if (GroupHasKeys(shape, line, group)) ++count;
  }
  return count;
}

std::optional<int> FirstGroupWithKeys(const KeyboardShape& shape, int line) {
  return NextGroupWithKeys(shape, line, -1);
}

std::optional<int> NextGroupWithKeys(const KeyboardShape& shape, int line, int group) {
  return NextWrapping(shape.GroupCount(line), group,
                      [&](int index) { return GroupHasKeys(shape, line, index); });
}

bool LineHasKeys(const KeyboardShape& shape, int line) {
  return FirstGroupWithKeys(shape, line).has_value();
}

int LinesWithKeysCount(const KeyboardShape& shape) {
  int count = 0;
  for (int line = 0; line < shape.LineCount(); ++line) {
    if (LineHasKeys(shape, line)) ++count;
  }
  return count;
}

std::optional<int> FirstLineWithKeys(const KeyboardShape& shape) {
  return NextLineWithKeys(shape, -1);
}

std::optional<int> NextLineWithKeys(const KeyboardShape& shape, int line) {
  return NextWrapping(shape.LineCount(), line,
                      [&](int index) { return LineHasKeys(shape, index); });
}

}  // namespace vorelio
