// The scanning methods a profile chooses from (METODO_VARRIMENTO): the word
// the profile stores for each, in the order the scanning options list them.
#pragma once

#include <optional>
#include <string_view>

namespace vorelio {

enum class ScanMethod {
  kNone,        // "Nenhum": no scanning, the switches do nothing
  kRegular,     // switch 1 starts and selects; the highlight moves by itself
  kStepByStep,  // switch 1 moves the highlight (repeating while held), switch 2 selects
  kInverse,     // the highlight moves while switch 1 is held; releasing it selects
};
inline constexpr int kScanMethodCount = 4;

// The method of a stored word ("Regular"), matched exactly; nothing for any
// other word.
std::optional<ScanMethod> ScanMethodFromWord(std::string_view word);
// "Nenhum", "Regular", "Passo-a-Passo", "Inverso".
std::string_view WordOf(ScanMethod method);

}  // namespace vorelio
