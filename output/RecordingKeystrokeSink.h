// A KeystrokeSink that presses nothing: it records every key event as text
// ("down 16; down 65; up 65; up 16") and answers KeyScan from the built-in
// Portuguese layout (common/PortugueseKeyboard.h), AltGr as Ctrl+Alt as
// VkKeyScanA reports it. For tests and for tools that show what would be
// typed.
#pragma once

#include <string>

#include "output/KeystrokeSink.h"

namespace vorelio {

class RecordingKeystrokeSink final : public KeystrokeSink {
 public:
  void SendKeyEvent(uint8_t virtualKey, bool down) override;
  KeyScanResult KeyScan(char character) override;

  // The events so far, "; "-separated.
  const std::string& Events() const { return events_; }
  // The number of key downs so far.
  int KeyDowns() const { return keyDowns_; }
  void Clear() {
    events_.clear();
    keyDowns_ = 0;
  }

 private:
  std::string events_;
  int keyDowns_ = 0;
};

}  // namespace vorelio
