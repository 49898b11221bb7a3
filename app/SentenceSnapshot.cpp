#include "app/SentenceSnapshot.h"

#include <vector>

#include "common/Text.h"

namespace vorelio {
namespace {

constexpr std::size_t kSnapshotLength = 500;

}  // namespace

void SentenceSnapshot::Refresh(std::string_view textBeforeCaret, std::string_view lastSentence) {
  std::string_view text = textBeforeCaret.empty() ? lastSentence : textBeforeCaret;
  if (text.size() > kSnapshotLength) text = text.substr(text.size() - kSnapshotLength);
  // 500 characters hold at most 250 pieces, within the splitter's limit.
  const std::vector<std::string> pieces = Split(text, kTerminators);
  if (pieces.empty()) {
    current_.clear();
    return;
  }
  previous_ = std::move(current_);
  current_ = Trim(pieces.back());
}

}  // namespace vorelio
