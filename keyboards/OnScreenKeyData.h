// The stored fields of keys, groups and lines as plain values: what a
// keyboard file holds for them, and what the editor copies and moves.
// Strings are Windows-1252, with real blanks (the file's ";;;" encoding is
// the reader's and the writer's business).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorelio {

// A colour of -1 stands for the group's default (the profile's key colour),
// so that a key keeps following the profile when its colours change.
inline constexpr int32_t kGroupDefaultColour = -1;

struct COnScreenKeyData {
  std::string type;         // the file's type word ("TECLA_NORMAL"...), one word
  std::string label;        // the text shown; for a pictogram, its reference(s)
  std::string caption;      // shown with a pictogram; empty for text labels
  std::string description;  // the text spoken for the key
  std::string output;       // what pressing the key does
  int32_t active = 1;       // 1: the key reacts; any other value: inert
  int32_t backgroundColour = kGroupDefaultColour;  // 0x00BBGGRR or -1
  int32_t textColour = kGroupDefaultColour;        // 0x00BBGGRR or -1

  bool operator==(const COnScreenKeyData&) const = default;
};

struct COnScreenKeyGroupData {
  std::string name;
  std::vector<COnScreenKeyData> keys;

  bool operator==(const COnScreenKeyGroupData&) const = default;
};

struct COnScreenKeyLineData {
  std::string name;
  std::vector<COnScreenKeyGroupData> groups;

  bool operator==(const COnScreenKeyLineData&) const = default;
};

}  // namespace vorelio
