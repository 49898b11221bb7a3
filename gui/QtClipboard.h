// The desktop clipboard's text through Qt, in Windows-1252.
#pragma once

#include "platform/Clipboard.h"

namespace vorelio {

class QtClipboard final : public ClipboardService {
 public:
  std::optional<std::string> Text() override;
};

}  // namespace vorelio
