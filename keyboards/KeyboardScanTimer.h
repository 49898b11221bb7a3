// The 100 ms tick of scanning: a window of the message loop with a timer
// that calls the scanner's Tick. The timer is the first of the identifiers
// 0 to 19 that the loop grants; when none is, the user is told once that
// the system will not work correctly, and scanning and switch latency then
// do nothing.
#pragma once

#include "keyboards/KeyboardScanner.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"

namespace vorelio {

inline constexpr const char* kNoTimerMessage =
    "Nao existe nenhum timer disponivel. O sistema n\xe3o ir\xe1 funcionar correctamente.";

class KeyboardScanTimer final : public MessageHandler {
 public:
  // `loop`, `scanner` and `messages` must outlive the timer.
  KeyboardScanTimer(MessageLoop& loop, KeyboardScanner& scanner, MessageBoxService& messages);
  ~KeyboardScanTimer() override;
  KeyboardScanTimer(const KeyboardScanTimer&) = delete;
  KeyboardScanTimer& operator=(const KeyboardScanTimer&) = delete;

  bool Running() const { return timerId_ >= 0; }

  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;

 private:
  MessageLoop& loop_;
  KeyboardScanner& scanner_;
  WindowHandle window_ = 0;
  int timerId_ = -1;
};

}  // namespace vorelio
