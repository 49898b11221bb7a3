// Until the X11 backend is linked in, the library has no desktop of its own:
// InitializeHook without a chosen hook system then fails. The backend's
// strong definition replaces this one.
#include "hook/x11/X11HookSystem.h"

namespace vorelio::hook {

__attribute__((weak)) std::unique_ptr<HookSystem> CreateX11HookSystem() { return nullptr; }

}  // namespace vorelio::hook
