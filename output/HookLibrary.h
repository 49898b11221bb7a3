// The hook library as an output target uses it: the exports of
// hook/HookPredarin.h behind an interface, so that a test can watch what a
// target asks of the library or make InitializeHook fail.
#pragma once

#include <cstdint>

namespace vorelio {

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;
  // Hooks the thread and reports to `window`; false when a hook cannot be
  // installed (the library has told the user; TerminateHook removes the
  // hooks that were installed).
  virtual bool InitializeHook(uint32_t thread, std::uintptr_t window) = 0;
  virtual void TerminateHook() = 0;
  virtual void AddSpecialKey(int virtualKey) = 0;
  virtual void DeleteSpecialKey(int virtualKey) = 0;
  // True when the key is in the table of keys the library swallows.
  virtual bool IsSpecialKey(int virtualKey) = 0;
  virtual void AddMouseButtons() = 0;
  virtual void DeleteMouseButtons() = 0;
  // True when Caps Lock was on at the last key the user typed into the
  // hooked application (the library samples it there).
  virtual bool CapsLockOn() = 0;
};

// The exports of libHookPredarin.so, which the program links.
class LinkedHookLibrary final : public HookLibrary {
 public:
  bool InitializeHook(uint32_t thread, std::uintptr_t window) override;
  void TerminateHook() override;
  void AddSpecialKey(int virtualKey) override;
  void DeleteSpecialKey(int virtualKey) override;
  bool IsSpecialKey(int virtualKey) override;
  void AddMouseButtons() override;
  void DeleteMouseButtons() override;
  bool CapsLockOn() override;
};

}  // namespace vorelio
