// The controller's window in the output tests: keeps every message a target
// relays, by name, as "; "-separated text.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "platform/MessageNumbers.h"
#include "platform/Messages.h"

namespace vorelio::testing {

class RecordingOwner final : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    std::string entry;
    switch (message) {
      case WM_HOOK_KEY_DOWN: entry = "down " + std::to_string(wParam); break;
      case WM_HOOK_KEY_UP: entry = "up " + std::to_string(wParam); break;
      case WM_HOOK_CHAR: entry = std::string("char ") + static_cast<char>(wParam); break;
      case WM_TEXT_WORD_END: entry = "word end"; break;
      case WM_TEXT_SENTENCE_END: entry = "sentence end"; break;
      case WM_HOOK_LEFT_BUTTON_DOWN: entry = "left down"; break;
      case WM_HOOK_LEFT_BUTTON_UP: entry = "left up"; break;
      case WM_HOOK_RIGHT_BUTTON_DOWN: entry = "right down"; break;
      case WM_HOOK_MIDDLE_BUTTON_UP: entry = "middle up"; break;
      case WM_HOOK_MOUSE_MOVE: entry = "move " + std::to_string(wParam); break;
      default: entry = "message " + std::to_string(message); break;
    }
    if (message == WM_HOOK_KEY_DOWN) ++keyDowns;
    if (message == WM_HOOK_CHAR) characters += static_cast<char>(wParam);
    if (message == WM_TEXT_WORD_END) characters += "|";
    if (lParam != 0) entry += " (" + std::to_string(lParam) + ")";
    log += (log.empty() ? "" : "; ") + entry;
  }
  // The log so far, emptied.
  std::string Take() {
    keyDowns = 0;
    characters.clear();
    return std::exchange(log, {});
  }

  std::string log;
  int keyDowns = 0;
  // The characters relayed, with "|" for each word end.
  std::string characters;
};

}  // namespace vorelio::testing
