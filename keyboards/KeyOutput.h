// What pressing an on-screen key does, read from its output string. The
// kinds are tried in this order, on the output without leading and
// trailing blanks:
//   another keyboard  ends in ".tec" (any case)
//   key sequence      "{...}", at least the two braces
//   command           "[...]", at least the two brackets
//   program           ends in ".exe" or ".com" (any case)
//   pictogram         one or more pictogram references (PictogramLabel.h)
//   text              anything else
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

// In the order of the key dialog's output page.
enum class KeyOutputKind { kText, kPictogram, kKeyboard, kKeySequence, kProgram, kCommand };

struct KeyOutput {
  KeyOutputKind kind = KeyOutputKind::kText;
  // text: the output as it is (blanks kept); keyboard: its name without
  // ".tec"; key sequence and command: what stands between the braces or
  // brackets; program: its path; pictogram: the references joined by ":".
  std::string value;
  // Text only: the output (without blanks around it) is a key name of the
  // program's table ("Shift", "Cima", "Enter"...), typed as that key.
  bool isKeyName = false;

  bool operator==(const KeyOutput&) const = default;
};

KeyOutput ClassifyKeyOutput(std::string_view output);

// The output the key dialog stores for a text key: the output field, or the
// label when the output is empty, or "?" when both are.
std::string StoredTextOutput(std::string_view output, std::string_view label);

}  // namespace vorelio
