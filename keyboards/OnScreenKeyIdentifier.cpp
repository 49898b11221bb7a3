#include "keyboards/OnScreenKeyIdentifier.h"

namespace vorelio {

std::string COnScreenKeyIdentifier::Text() const {
  return GroupText() + "." + std::to_string(key);
}

std::string COnScreenKeyIdentifier::GroupText() const {
  return std::to_string(line) + "." + std::to_string(group);
}

std::uintptr_t COnScreenKeyIdentifier::Packed() const {
  return static_cast<std::uintptr_t>(line) * 65536 + static_cast<std::uintptr_t>(group) * 256 +
         static_cast<std::uintptr_t>(key);
}

COnScreenKeyIdentifier COnScreenKeyIdentifier::FromPacked(std::uintptr_t packed) {
  return {static_cast<int>(packed / 65536), static_cast<int>(packed / 256 % 256),
          static_cast<int>(packed % 256)};
}

}  // namespace vorelio
