#include "common/NativePath.h"

#include <algorithm>

#include "common/Text.h"

namespace vorelio {

std::string NativePath(std::string_view path) {
  std::string native = Cp1252ToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string ProgramPath(std::string_view nativePath) { return UserTextToCp1252(nativePath); }

std::string InFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += name;
  return path;
}

}  // namespace vorelio
