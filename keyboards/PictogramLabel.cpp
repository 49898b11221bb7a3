#include "keyboards/PictogramLabel.h"

#include "keyboards/FileExtension.h"

namespace vorelio {

namespace {

constexpr std::string_view kPictogramExtension = ".bmp";

bool IsPictogramPart(std::string_view part) { return HasExtension(part, kPictogramExtension); }

// Calls `visit` with every ":"-separated part of the text, empty ones too.
template <typename Visit>
void ForEachPart(std::string_view text, Visit visit) {
  for (;;) {
    const std::size_t separator = text.find(kPictogramSeparator);
    visit(text.substr(0, separator));
    if (separator == std::string_view::npos) return;
    text.remove_prefix(separator + 1);
  }
}

void AppendPart(std::string& joined, bool& first, std::string_view part) {
  if (!first) joined += kPictogramSeparator;
  joined += part;
  first = false;
}

}  // namespace

bool NamesPictogram(std::string_view text) {
  bool found = false;
  ForEachPart(text, [&](std::string_view part) { found = found || IsPictogramPart(part); });
  return found;
}

std::optional<PictogramLabel> SplitPictogramLabel(std::string_view label) {
  if (!NamesPictogram(label)) return std::nullopt;
  PictogramLabel split;
  bool firstReference = true;
  bool firstCaption = true;
  ForEachPart(label, [&](std::string_view part) {
    if (IsPictogramPart(part)) AppendPart(split.reference, firstReference, part);
    else AppendPart(split.caption, firstCaption, part);
  });
  return split;
}

std::string ComposePictogramLabel(std::string_view reference, std::string_view caption) {
  std::string label(reference);
  if (!caption.empty()) {
    label += kPictogramSeparator;
    label += caption;
  }
  return label;
}

std::vector<std::string> PictogramReferences(std::string_view text) {
  std::vector<std::string> references;
  ForEachPart(text, [&](std::string_view part) {
    if (IsPictogramPart(part) && references.size() < kMaxPictogramsInRow)
      references.emplace_back(part);
  });
  return references;
}

}  // namespace vorelio
