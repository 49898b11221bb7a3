// The hook library's desktop on X11: observes the keys, buttons and typed
// characters of the X display and swallows the special keys and captured
// buttons.
//
// Observing: the RECORD extension, on a connection and a thread of the
// backend's own, sees every key and button of the display (real and
// injected through XTEST alike, as Windows' hooks see keybd_event). For each
// one the backend calls the installed procedures exactly as the system
// would: the keyboard procedure with the virtual-key code and the
// key-message flags (repeat count 1, the PC scan code in bits 16-23, bit 24
// for extended keys, bit 29 with Alt, bit 30 the previous state, bit 31 for
// a release); the get-message procedure with WM_CHAR for each Windows-1252
// character the key types (libxkbcommon state and compose: a dead key types
// nothing, the accented letter comes with the base letter); the mouse
// procedure with WM_LBUTTONDOWN... WM_MBUTTONUP and WM_MOUSEMOVE at the
// screen point.
//
// The hooked "thread" (see platform/x11/X11Windows.h) is the X client that
// owns the target's top-level window. Keys and characters are reported only
// while the input focus is in a window of that client, buttons and motion
// only while the pointer is over one: what the hooks of one thread see on
// Windows. The focus is read at each event, so the focus events that grabs
// cause never mislead it.
//
// Swallowing: the special keys (every key whose code is special now; the
// keypad's codes follow Num Lock) and, while captured, buttons 1-3 are
// grabbed with any modifiers on each top-level window of the hooked client
// (x11/X11ClientGrabs.h), so they act only in the program while that
// application has the focus (or the pointer), as on Windows; the key is
// still reported through the recording. The client's windows are found
// however deep a window manager frames them, and a window it opens later is
// grabbed as soon as it exists, before its first key or click. The grabs
// follow every SwallowingChanged and every new hook.
//
// Failure: InstallHook returns 0 when the display cannot be opened or lacks
// RECORD or XKB. When the X server goes away the backend's thread ends
// quietly: no report, no crash, no hang; the hooks stay "installed" and
// report nothing.
#pragma once

#include <memory>

#include "hook/HookSystem.h"
#include "platform/MessageBox.h"

namespace vorelio::hook {

// The backend for $DISPLAY, which InitializeHook creates when no desktop
// was chosen; failures are written to standard error.
std::unique_ptr<HookSystem> CreateX11HookSystem();
// The backend for a named display (null: $DISPLAY), for tests and
// benchmarks with an X server of their own (see UseHookSystem); failures go
// to `messages`, which must outlive the backend. Exported.
HOOK_PREDARIN_EXPORT std::unique_ptr<HookSystem> CreateX11HookSystem(const char* displayName,
                                                                     MessageBoxService& messages);

}  // namespace vorelio::hook
