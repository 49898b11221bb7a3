// The one table of the profile options: key, type, default and field, in
// the order of the options file. Reading, writing, the defaults and lookup
// by key all go through it.
#pragma once

#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "profiles/UserProfileOptions.h"

namespace vorelio {

enum class OptionType {
  kInteger,      // "%d"
  kReal,         // "%f", six decimals
  kWord,         // "%s", a single word written as it stands
  kEncodedText,  // "%s" with every space written as ";;;"
};

struct UserProfileOptionKey {
  std::string_view key;
  OptionType type;
  int32_t UserProfileOptions::*integer = nullptr;  // kInteger
  double UserProfileOptions::*real = nullptr;      // kReal
  std::string UserProfileOptions::*text = nullptr; // kWord, kEncodedText
  // False for the PredictionOptions fields, whose defaults are their own.
  bool hasDefault = true;
  int32_t integerDefault = 0;
  double realDefault = 0;
  std::string_view textDefault;
  // An integer read or set outside these bounds is held to the nearest one.
  int32_t minimum = INT32_MIN;
  int32_t maximum = INT32_MAX;
};

inline constexpr std::size_t kUserProfileOptionCount = 99;

// Every option, in file order.
std::span<const UserProfileOptionKey> UserProfileOptionKeys();
// The option with exactly this key, or nullptr.
const UserProfileOptionKey* FindUserProfileOptionKey(std::string_view key);

// The value as the options file writes it (after "KEY ").
std::string FormatOptionValue(const UserProfileOptions& options,
                              const UserProfileOptionKey& option);
// Reads the value from the text after the key, as the file reader does; it
// never fails: a number that cannot be read is stored as 0 (then held to the
// option's bounds), a missing word as an empty string.
void ReadOptionValue(UserProfileOptions& options, const UserProfileOptionKey& option,
                     std::string_view textAfterKey);
// Parses a value strictly (a whole decimal number, held to the option's
// bounds; a finite real; a word without blanks; ";;;" or spaces for the
// encoded texts). False, leaving the option as it was, when the value is
// not of the option's type.
bool ParseOptionValue(UserProfileOptions& options, const UserProfileOptionKey& option,
                      std::string_view value);

}  // namespace vorelio
