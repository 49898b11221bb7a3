#include "hook/HookPredarin.h"
#include "output/HookLibrary.h"

namespace vorelio {

bool LinkedHookLibrary::InitializeHook(uint32_t thread, std::uintptr_t window) {
  return ::InitializeHook(thread, window) != 0;
}
void LinkedHookLibrary::TerminateHook() { ::TerminateHook(); }
void LinkedHookLibrary::AddSpecialKey(int virtualKey) { ::AddSpecialKey(virtualKey); }
void LinkedHookLibrary::DeleteSpecialKey(int virtualKey) { ::DeleteSpecialKey(virtualKey); }
bool LinkedHookLibrary::IsSpecialKey(int virtualKey) { return ::IsSpecialKey(virtualKey) != 0; }
void LinkedHookLibrary::AddMouseButtons() { ::AddMouseButtons(); }
void LinkedHookLibrary::DeleteMouseButtons() { ::DeleteMouseButtons(); }
// GetCapsLock has GetKeyState's form: bit 0 is the toggle.
bool LinkedHookLibrary::CapsLockOn() { return (::GetCapsLock() & 1) != 0; }

}  // namespace vorelio
