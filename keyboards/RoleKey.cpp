#include "keyboards/RoleKey.h"

namespace vorelio {

bool CRoleKey::Set(std::string_view name, CKeySet& keys, SpecialKeyRegistry& registry) {
  GiveUp(registry);
  code_ = keys.CodeOf(name);
  if (!code_) return false;
  keys.ReserveCode(*code_);
  registry.AddSpecialKey(*code_);
  return true;
}

void CRoleKey::GiveUp(SpecialKeyRegistry& registry) {
  if (code_) registry.DeleteSpecialKey(*code_);
  code_.reset();
}

SwitchKey RecogniseSwitch(int virtualKey, const CRoleKey& switch1, const CRoleKey& switch2) {
  if (switch1.Matches(virtualKey)) return SwitchKey::kSwitch1;
  if (switch2.Matches(virtualKey)) return SwitchKey::kSwitch2;
  return SwitchKey::kNone;
}

}  // namespace vorelio
