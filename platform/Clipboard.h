// The desktop clipboard, as the program reads text from it.
#pragma once

#include <optional>
#include <string>

namespace vorelio {

class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  // The clipboard's plain text in Windows-1252, or nothing when it holds no
  // text.
  virtual std::optional<std::string> Text() = 0;
};

// A clipboard whose contents a test sets.
class FakeClipboard final : public ClipboardService {
 public:
  std::optional<std::string> Text() override { return text; }
  std::optional<std::string> text;
};

}  // namespace vorelio
