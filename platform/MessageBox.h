// Modal message boxes with an OK button only, as failures are reported to
// the user. Texts are Windows-1252 Portuguese; the implementation converts
// them for display.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows `text` and returns when the user has dismissed it.
  virtual void ShowMessage(std::string_view text) = 0;
};

// Writes each message as one UTF-8 line to standard error: for the
// command-line tools, which have no window.
class StderrMessageBox final : public MessageBoxService {
 public:
  void ShowMessage(std::string_view text) override;
};

// Keeps every message for a test to inspect; shows nothing.
class RecordingMessageBox final : public MessageBoxService {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

}  // namespace vorelio
