// Inside the library: the three hook procedures that InitializeHook
// installs, the desktop they run on, and what they swallow now.
#pragma once

#include <cstdint>

#include "hook/HookSystem.h"

namespace vorelio::hook {

// They only read the mapped segment and post: no allocation, no lock.
long KeyboardProcedure(int code, std::uintptr_t virtualKey, std::intptr_t flags);
// `data`: the address of a MouseHookData.
long MouseProcedure(int code, std::uintptr_t mouseMessage, std::intptr_t data);
// `message`: the address of the HookedMessage.
long GetMessageProcedure(int code, std::uintptr_t removal, std::intptr_t message);

// The chosen desktop, or the X11 backend once InitializeHook created it;
// null before.
HookSystem* CurrentHookSystem();

// The special-key table and capture flag as the procedures see them (for a
// backend that grabs what is swallowed).
bool IsSwallowedKey(int virtualKey);
bool MouseButtonsCaptured();

}  // namespace vorelio::hook
