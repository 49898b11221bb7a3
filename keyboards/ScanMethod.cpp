#include "keyboards/ScanMethod.h"

namespace vorelio {

namespace {
// In the order of the ScanMethod enumeration and of the options' list.
constexpr std::string_view kScanMethodWords[kScanMethodCount] = {"Nenhum", "Regular",
                                                                 "Passo-a-Passo", "Inverso"};
}  // namespace

std::optional<ScanMethod> ScanMethodFromWord(std::string_view word) {
  for (int index = 0; index < kScanMethodCount; ++index) {
    if (kScanMethodWords[index] == word) return static_cast<ScanMethod>(index);
  }
  return std::nullopt;
}

std::string_view WordOf(ScanMethod method) { return kScanMethodWords[static_cast<int>(method)]; }

}  // namespace vorelio
