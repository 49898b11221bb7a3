#include "keyboards/KeySet.h"

namespace vorelio {

bool CKeySet::Add(std::string_view name, int code, bool inUse, bool character) {
  if (name.empty() || !ValidCode(code) || nameByCode_[code] || codeByName_.contains(name)) return false;
  codeByName_.emplace(std::string(name), code);
  nameByCode_[code] = std::string(name);
  inUse_[code] = inUse;
  character_[code] = character;
  return true;
}

void CKeySet::Clear() {
  codeByName_.clear();
  nameByCode_.fill(std::nullopt);
  inUse_.fill(false);
  character_.fill(false);
}

std::optional<int> CKeySet::CodeOf(std::string_view name) const {
  const auto found = codeByName_.find(name);
  if (found == codeByName_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> CKeySet::NameOf(int code) const {
  if (!ValidCode(code)) return std::nullopt;
  return nameByCode_[code];
}

void CKeySet::Reserve(std::string_view name) {
  if (const auto code = CodeOf(name)) inUse_[*code] = true;
}

void CKeySet::Release(std::string_view name) {
  if (const auto code = CodeOf(name)) inUse_[*code] = false;
}

void CKeySet::ReserveCode(int code) {
  if (ValidCode(code)) inUse_[code] = true;
}

bool CKeySet::InUse(int code) const { return ValidCode(code) && inUse_[code]; }

bool CKeySet::IsCharacter(int code) const { return ValidCode(code) && character_[code]; }

std::vector<std::string> CKeySet::FreeNames() const {
  std::vector<std::string> names;
  for (int code = 0; code < kCodeCount; ++code)
    if (nameByCode_[code] && !inUse_[code]) names.push_back(*nameByCode_[code]);
  return names;
}

std::vector<std::string> CKeySet::AllNames() const {
  std::vector<std::string> names;
  for (const auto& name : nameByCode_)
    if (name) names.push_back(*name);
  return names;
}

}  // namespace vorelio
