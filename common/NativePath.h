// Program paths and the names the file system knows.
#pragma once

#include <string>
#include <string_view>

namespace vorelio {

// Paths inside the program are Windows-1252, like every other string, and
// may use "\\" as a separator (files that come from a Windows installation
// do). NativePath gives the name the Linux file system knows: UTF-8, with
// "/" separators.
std::string NativePath(std::string_view path);
// The inverse at the edge: a UTF-8 path from the environment or the command
// line as a program path.
std::string ProgramPath(std::string_view nativePath);
// The program path of `name` inside `folder`: a "/" goes between them unless
// the folder is empty or already ends in "/" or "\\".
std::string InFolder(std::string_view folder, std::string_view name);

}  // namespace vorelio
