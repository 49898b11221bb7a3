// File extensions as the program's file names carry them (".tec", ".bmp",
// ".exe"), recognised in any case as on Windows.
#pragma once

#include <string_view>

namespace vorelio {

// True when `name` ends in `extension` (given in lower case), in any case.
bool HasExtension(std::string_view name, std::string_view extension);

}  // namespace vorelio
