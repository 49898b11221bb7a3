#include "keyboards/PictureRow.h"

#include <algorithm>

namespace vorelio {

namespace {
bool HasArea(const PictureSize& size) { return size.width > 0 && size.height > 0; }
}  // namespace

PictureRowLayout LayOutPictureRow(const std::vector<PictureSize>& parts) {
  PictureRowLayout row;
  for (const PictureSize& part : parts) {
    if (HasArea(part)) row.size.height = std::max(row.size.height, part.height);
  }
  for (const PictureSize& part : parts) {
    if (!HasArea(part)) {
      row.parts.push_back({row.size.width, 0, 0, 0});
      continue;
    }
    const int width = part.width * (row.size.height / part.height);
    row.parts.push_back({row.size.width, 0, width, row.size.height});
    row.size.width += width;
  }
  return row;
}

}  // namespace vorelio
