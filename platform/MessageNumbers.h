// The window messages between the parts of the program, numbered from
// WM_APP as on Windows so that logs and traces read the same.
#pragma once

#include <cstdint>

namespace vorelio {

inline constexpr uint32_t WM_TIMER = 0x0113;  // wParam: the timer identifier
inline constexpr uint32_t WM_APP = 0x8000;

// Reported by the hook library and relayed by the output targets.
inline constexpr uint32_t WM_HOOK_KEY_DOWN = WM_APP + 0;
inline constexpr uint32_t WM_HOOK_LEFT_BUTTON_DOWN = WM_APP + 1;
inline constexpr uint32_t WM_HOOK_LEFT_BUTTON_UP = WM_APP + 2;
inline constexpr uint32_t WM_HOOK_RIGHT_BUTTON_DOWN = WM_APP + 3;
inline constexpr uint32_t WM_HOOK_RIGHT_BUTTON_UP = WM_APP + 4;
inline constexpr uint32_t WM_HOOK_MIDDLE_BUTTON_DOWN = WM_APP + 5;
inline constexpr uint32_t WM_HOOK_MIDDLE_BUTTON_UP = WM_APP + 6;
inline constexpr uint32_t WM_HOOK_MOUSE_MOVE = WM_APP + 7;
inline constexpr uint32_t WM_HOOK_KEY_UP = WM_APP + 8;
inline constexpr uint32_t WM_TEXT_WORD_END = WM_APP + 9;
inline constexpr uint32_t WM_HOOK_CHAR = WM_APP + 11;
inline constexpr uint32_t WM_TEXT_SENTENCE_END = WM_APP + 12;

// On-screen keyboard notifications.
inline constexpr uint32_t WM_KEY_HOVER = WM_APP + 20;
inline constexpr uint32_t WM_KEY_PRESSED = WM_APP + 21;
inline constexpr uint32_t WM_SCAN_ADVANCED = WM_APP + 22;
inline constexpr uint32_t WM_SCAN_KEY_SELECTED = WM_APP + 23;
inline constexpr uint32_t WM_SCAN_LINES_STARTED = WM_APP + 24;
inline constexpr uint32_t WM_SCAN_GROUPS_STARTED = WM_APP + 25;
inline constexpr uint32_t WM_SCAN_KEYS_STARTED = WM_APP + 26;
inline constexpr uint32_t WM_SCAN_LINE_SELECTED = WM_APP + 27;
inline constexpr uint32_t WM_SCAN_GROUP_SELECTED = WM_APP + 28;
inline constexpr uint32_t WM_KEY_DOUBLE_CLICK = WM_APP + 29;
// Asks the controller to lay the main window out again.
inline constexpr uint32_t WM_LAYOUT_MAIN_WINDOW = WM_APP + 100;

// Mouse messages as the hook procedures receive them.
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
// The character message the get-message procedure looks for.
inline constexpr uint32_t WM_CHAR = 0x0102;

// The report the hook library posts for a mouse button message (which it
// passes on as the report's wParam); 0 for any other message.
constexpr uint32_t HookReportForMouseButton(std::uintptr_t mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN: return WM_HOOK_LEFT_BUTTON_DOWN;
    case WM_LBUTTONUP: return WM_HOOK_LEFT_BUTTON_UP;
    case WM_RBUTTONDOWN: return WM_HOOK_RIGHT_BUTTON_DOWN;
    case WM_RBUTTONUP: return WM_HOOK_RIGHT_BUTTON_UP;
    case WM_MBUTTONDOWN: return WM_HOOK_MIDDLE_BUTTON_DOWN;
    case WM_MBUTTONUP: return WM_HOOK_MIDDLE_BUTTON_UP;
    default: return 0;
  }
}

}  // namespace vorelio
