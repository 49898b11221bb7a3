// The seam between the hook library and the desktop it hooks.
//
// On Windows the system calls the three hook procedures inside the hooked
// application. Here a backend calls them: the X11 backend from the events it
// observes, the simulated desktop of the tests from the keys and clicks
// "typed" into its fake applications. As SetWindowsHookEx does, InstallHook
// hands the backend the procedure to call; the procedures behave exactly as
// the system's hook procedures: a result of 1 swallows the event, anything
// else is the next hook's result and lets the event through.
//
// The library asks the desktop, through HookSystem, to install and remove
// hooks, for the key state, for the hooked process's executable path, and
// tells it when the special keys or the mouse capture change (the X11
// backend grabs exactly those keys and buttons). Failures are shown through
// the MessageBoxService given with the system.
//
// Of all this only UseHookSystem (and, in hook/x11/X11HookSystem.h, the
// X11 backend's constructor) is exported from libHookPredarin.so, besides
// the nine functions of hook/HookPredarin.h.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hook/HookPredarin.h"
#include "platform/MessageBox.h"

namespace vorelio::hook {

inline constexpr int HC_ACTION = 0;
inline constexpr int HC_NOREMOVE = 3;

enum class HookKind { kKeyboard, kMouse, kGetMessage };
using HookHandle = std::uintptr_t;  // 0: none

// What the mouse procedure receives (MOUSEHOOKSTRUCT's useful part).
struct MouseHookData {
  int32_t x = 0;  // screen point
  int32_t y = 0;
  std::uintptr_t window = 0;  // window under the pointer
};
// What the get-message procedure receives (the MSG being retrieved).
struct HookedMessage {
  std::uintptr_t window = 0;
  uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

// A hook procedure, called with the hook code (HC_ACTION...) and, by kind:
//   keyboard     the virtual-key code; the key-message flags (bit 31 set
//                for a release)
//   mouse        the mouse message (WM_LBUTTONDOWN...); the address of a
//                MouseHookData
//   get-message  the removal flag (1: PM_REMOVE); the address of the
//                HookedMessage
using HookProcedure = long (*)(int code, std::uintptr_t wParam, std::intptr_t lParam);

class HookSystem {
 public:
  virtual ~HookSystem() = default;
  // Installs the procedure as a hook of the kind for the thread: from now
  // on the desktop calls it for that thread's events. 0 on failure.
  virtual HookHandle InstallHook(HookKind kind, HookProcedure procedure, uint32_t thread) = 0;
  virtual void RemoveHook(HookHandle hook) = 0;
  // GetKeyState: bit 0 the toggle, bit 15 pressed.
  virtual int16_t KeyState(int virtualKey) = 0;
  // The executable path of the process whose hook procedure is running,
  // copied into `path` (NUL-terminated, cut to `size`); must not allocate.
  virtual void ProcessPath(char* path, std::size_t size) = 0;
  // Whether this desktop may hand an application's characters to the
  // get-message procedure twice, as Windows does for a few programs (the
  // library then reports every second one for them). The X11 backend works
  // out one character per key event for every program: it says false, or
  // LibreOffice (whose binary is also "soffice.bin") would lose every other
  // character.
  virtual bool CharactersMayArriveTwice() const { return true; }
  // The special-key table or the mouse capture changed: a backend that must
  // grab keys or buttons to swallow them follows the new state.
  virtual void SwallowingChanged() = 0;
  // Where failures are shown.
  virtual MessageBoxService& Messages() = 0;
};

// Where the library's state lives: the user's segment, shared by every
// process of the user that maps it, or a segment of this process alone.
enum class StateSegment { kUsers, kPrivate };

// The desktop the library hooks from now on, and its state. A program
// never calls this: the library then hooks the X11 display of $DISPLAY
// (the backend is created by the first InitializeHook) with the user's
// segment. Tests choose the simulated desktop, or an X11 backend of their
// own server, with a private segment, so that test programs running side
// by side never share special keys. `system` null goes back to the X11
// backend. The system must outlive its use; choose again (or terminate the
// hooks) before destroying it.
HOOK_PREDARIN_EXPORT void UseHookSystem(HookSystem* system, StateSegment segment);

}  // namespace vorelio::hook
