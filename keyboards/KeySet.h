// CKeySet: the two-way table between key names and Windows virtual-key
// codes, with two flags per code 0-255: in use (the key already has a role
// in writing or was given a program role) and character (the key types a
// letter or a digit). It tells which keys are free to be given a role and
// lets the controller recognise a role key by its code.
//
// Each name has exactly one code and each code at most one name; the flags
// of a code without a name are 0 until set. Names are matched exactly
// (case-sensitive). A plain value: copies are independent.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

class CKeySet {
 public:
  static constexpr int kCodeCount = 256;

  // Adds the pair and stores the flags for the code. Refused (false, the
  // set unchanged) when the name or the code is already present, the name
  // is empty or the code is outside 0-255.
  bool Add(std::string_view name, int code, bool inUse = false, bool character = false);
  // Empties both maps and clears every flag.
  void Clear();

  std::optional<int> CodeOf(std::string_view name) const;
  std::optional<std::string> NameOf(int code) const;

  // The in-use flag of the name's code to 1 / to 0; unknown names: nothing.
  void Reserve(std::string_view name);
  void Release(std::string_view name);
  // The in-use flag of a code 0-255 to 1, named or not; other codes: nothing.
  void ReserveCode(int code);

  // False for codes outside 0-255.
  bool InUse(int code) const;
  bool IsCharacter(int code) const;

  // The names whose code is not in use, in increasing code order.
  std::vector<std::string> FreeNames() const;
  // Every name, in increasing code order.
  std::vector<std::string> AllNames() const;

 private:
  static bool ValidCode(int code) { return code >= 0 && code < kCodeCount; }

  std::map<std::string, int, std::less<>> codeByName_;
  std::array<std::optional<std::string>, kCodeCount> nameByCode_;
  std::array<bool, kCodeCount> inUse_{};
  std::array<bool, kCodeCount> character_{};
};

}  // namespace vorelio
