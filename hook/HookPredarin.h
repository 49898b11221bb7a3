/* The hook library's exports: plain functions of machine integers, bound by
 * name. The library reports the keys, mouse buttons and typed characters of
 * the application the user writes in as window messages to one destination
 * window, and swallows the special keys and, on request, the mouse buttons.
 * Its state lives in a segment shared by every process of the user that maps
 * it: a file of the user's alone, mode 0600, in $XDG_RUNTIME_DIR
 * (hook/SegmentFile.h). */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define HOOK_PREDARIN_EXPORT __attribute__((visibility("default")))

/* Clears the special-key table, the mouse capture and the character counter
 * (whatever an earlier run left in the state), records the hooked thread and
 * the destination window, and installs the keyboard, mouse and get-message
 * hooks. 1 on success; 0 (after a message) when the state cannot be used or
 * a hook cannot be installed; the hooks installed before stay until
 * TerminateHook. */
HOOK_PREDARIN_EXPORT int InitializeHook(uint32_t thread, uintptr_t window);
/* Removes the keyboard, the mouse and the get-message hook, in this order. */
HOOK_PREDARIN_EXPORT void TerminateHook(void);
/* The first free (-1) entry of the 20-entry table takes the code; a full
 * table is left as it is. Adding a code twice uses two entries. */
HOOK_PREDARIN_EXPORT void AddSpecialKey(int virtualKey);
/* The first entry equal to the code becomes free; no match: nothing. */
HOOK_PREDARIN_EXPORT void DeleteSpecialKey(int virtualKey);
HOOK_PREDARIN_EXPORT int IsSpecialKey(int virtualKey);
HOOK_PREDARIN_EXPORT void ClearSpecialKeys(void);
/* Mouse buttons are reported and then swallowed while captured. */
HOOK_PREDARIN_EXPORT void AddMouseButtons(void);
HOOK_PREDARIN_EXPORT void DeleteMouseButtons(void);
/* The Caps Lock state sampled at the last key that was not special
 * (GetKeyState form: bit 0 is the toggle). */
HOOK_PREDARIN_EXPORT int GetCapsLock(void);

#ifdef __cplusplus
}
#endif
