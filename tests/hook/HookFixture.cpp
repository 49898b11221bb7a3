#include "HookFixture.h"

namespace vorelio::testing {

void ReportRecorder::HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  std::string entry;
  switch (message) {
    case WM_HOOK_KEY_DOWN: entry = "down:" + std::to_string(wParam); break;
    case WM_HOOK_KEY_UP: entry = "up:" + std::to_string(wParam); break;
    case WM_HOOK_CHAR: entry = "char:" + std::string(1, static_cast<char>(wParam)); break;
    case WM_HOOK_LEFT_BUTTON_DOWN: entry = "ldown"; break;
    case WM_HOOK_LEFT_BUTTON_UP: entry = "lup"; break;
    case WM_HOOK_RIGHT_BUTTON_DOWN: entry = "rdown"; break;
    case WM_HOOK_RIGHT_BUTTON_UP: entry = "rup"; break;
    case WM_HOOK_MIDDLE_BUTTON_DOWN: entry = "mdown"; break;
    case WM_HOOK_MIDDLE_BUTTON_UP: entry = "mup"; break;
    case WM_HOOK_MOUSE_MOVE:
      entry = "move:" + std::to_string(wParam & 0xFFFF) + "," + std::to_string(wParam >> 16);
      break;
    default: entry = "message:" + std::to_string(message); break;
  }
  if (!log.empty()) log += ' ';
  log += entry;
  lastLParam = lParam;
}

}  // namespace vorelio::testing
