// The sentence being written, as the controller records it after every key
// for the event log's CONTEXT and for cooperative communication: the last
// sentence piece of the text before the caret.
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

class SentenceSnapshot {
 public:
  // From the target's text before the caret, or its last sentence when
  // that is empty: of the last 500 characters, the piece after the last
  // terminator (. ? !), without surrounding white space. When no piece is
  // left the snapshot becomes empty; otherwise the old one becomes the
  // previous one.
  void Refresh(std::string_view textBeforeCaret, std::string_view lastSentence);

  const std::string& Current() const { return current_; }
  const std::string& Previous() const { return previous_; }

 private:
  std::string current_;
  std::string previous_;
};

}  // namespace vorelio
