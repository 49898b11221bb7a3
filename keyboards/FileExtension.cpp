#include "keyboards/FileExtension.h"

#include "common/Text.h"

namespace vorelio {

bool HasExtension(std::string_view name, std::string_view extension) {
  return name.size() >= extension.size() &&
         ToLower(name.substr(name.size() - extension.size())) == extension;
}

}  // namespace vorelio
