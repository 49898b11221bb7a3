#include "keyboards/KeyboardScanTimer.h"

#include "platform/MessageNumbers.h"

namespace vorelio {

KeyboardScanTimer::KeyboardScanTimer(MessageLoop& loop, KeyboardScanner& scanner,
                                     MessageBoxService& messages)
    : loop_(loop), scanner_(scanner), window_(loop.CreateWindow(*this)) {
  for (int id = 0; id < kTimerCount && timerId_ < 0; ++id) {
    if (loop_.SetTimer(window_, id)) timerId_ = id;
  }
  if (timerId_ < 0) messages.ShowMessage(kNoTimerMessage);
}

KeyboardScanTimer::~KeyboardScanTimer() { loop_.DestroyWindow(window_); }

void KeyboardScanTimer::HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t) {
  if (message == WM_TIMER && static_cast<int>(wParam) == timerId_) scanner_.Tick();
}

}  // namespace vorelio
