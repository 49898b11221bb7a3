// The window of the logging start signal, with its fixed look.
#pragma once

#include <memory>

#include "gui/TextNoticeWindow.h"
#include "logging/LoggingStartSignal.h"

namespace vorelio {

class QtStartSignalWindow final : public StartSignalWindow {
 public:
  void Show(std::string_view text) override;
  void Close() override { window_.reset(); }

 private:
  std::unique_ptr<TextNoticeWindow> window_;
};

}  // namespace vorelio
