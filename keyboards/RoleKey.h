// The physical keys given a role of the program: the two scanning switches,
// the abbreviation-expansion key and the keys that speak the word and the
// sentence. Options name them by key name; the controller keeps their codes,
// reserves them in its key set and has the hook library swallow them.
#pragma once

#include <optional>
#include <string_view>

#include "keyboards/KeySet.h"

namespace vorelio {

// Where role keys are registered so that they never reach the application
// the user writes in: the hook library's AddSpecialKey and DeleteSpecialKey
// in the program, a recorder in tests.
class SpecialKeyRegistry {
 public:
  virtual ~SpecialKeyRegistry() = default;
  virtual void AddSpecialKey(int virtualKey) = 0;
  virtual void DeleteSpecialKey(int virtualKey) = 0;
};

// One role option's key.
class CRoleKey {
 public:
  // Gives up the current key (see GiveUp), then looks the name up: a known
  // name's code is stored, reserved in `keys` and registered; true. An
  // unknown name leaves the role without a key; false.
  bool Set(std::string_view name, CKeySet& keys, SpecialKeyRegistry& registry);
  // Unregisters the current key, if any; the role has no key afterwards.
  // The key stays reserved in the key set: another role may share it
  // (both switches default to "Num5").
  void GiveUp(SpecialKeyRegistry& registry);

  std::optional<int> Code() const { return code_; }
  bool Matches(int virtualKey) const { return code_ && *code_ == virtualKey; }

 private:
  std::optional<int> code_;
};

enum class SwitchKey { kNone, kSwitch1, kSwitch2 };

// Which switch a key code is: switch 1 is tested first, so a key given to
// both switches acts as switch 1 only.
SwitchKey RecogniseSwitch(int virtualKey, const CRoleKey& switch1, const CRoleKey& switch2);

}  // namespace vorelio
