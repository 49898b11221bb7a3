#include "output/TargetSelection.h"

#include <algorithm>

namespace vorelio {
namespace {

// Titles are read up to this many characters.
constexpr std::size_t kMaxTitleLength = 1000;

}  // namespace

bool IsWordWindowTitle(std::string_view title) {
  title = title.substr(0, kMaxTitleLength);
  constexpr std::string_view kWord = "Word";
  const std::size_t first = title.find(kWord);
  return first != std::string_view::npos && first + kWord.size() == title.size();
}

TargetChoice ChooseTarget(const ForegroundWindow& foreground, bool internalEditorExists) {
  if (foreground.ownThread) {
    if (!internalEditorExists) return {};
    return {TargetKind::kInternalEditor, "INTERNAL_WORD_PROCESSOR"};
  }
  if (foreground.window == 0) return {};
  // A Word window (IsWordWindowTitle) is to get the Word target with the log
  // name "MICROSOFT_WORD_PROCESSOR"; until that target exists it gets the
  // generic one, like every other foreign window.
  std::string logName(std::string_view(foreground.title).substr(0, kMaxTitleLength));
  std::replace(logName.begin(), logName.end(), ' ', '_');
  return {TargetKind::kGeneric, std::move(logName)};
}

}  // namespace vorelio
