#include "output/RecordingKeystrokeSink.h"

#include "common/PortugueseKeyboard.h"

namespace vorelio {

void RecordingKeystrokeSink::SendKeyEvent(uint8_t virtualKey, bool down) {
  if (!events_.empty()) events_ += "; ";
  events_ += (down ? "down " : "up ") + std::to_string(virtualKey);
  if (down) ++keyDowns_;
}

KeyScanResult RecordingKeystrokeSink::KeyScan(char character) {
  return PortugueseKeyScan(character);
}

}  // namespace vorelio
