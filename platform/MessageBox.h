// Modal message boxes, as failures are reported to the user and as the
// program asks its Yes/No questions. Texts are Windows-1252 Portuguese; the
// implementation converts them for display.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows `text` with an OK button and returns when it has been dismissed.
  virtual void ShowMessage(std::string_view text) = 0;
  // Asks `question` with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;
};

// Writes `text` (Windows-1252) as one UTF-8 line to standard error.
void WriteLineToStandardError(std::string_view text);

// Writes each message as one UTF-8 line to standard error: for the
// command-line tools, which have no window. Questions are answered No.
class StderrMessageBox final : public MessageBoxService {
 public:
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view question) override;
};

// Keeps every message and question for a test to inspect; shows nothing.
// Questions take the answers queued in `answers`, then No.
class RecordingMessageBox final : public MessageBoxService {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view question) override {
    questions.emplace_back(question);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;
};

}  // namespace vorelio
