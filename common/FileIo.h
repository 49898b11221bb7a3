// Whole-file reading and crash-safe writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorelio {

// Paths inside the program are Windows-1252, like every other string, and
// may use "\\" as a separator (files that come from a Windows installation
// do). NativePath gives the name the Linux file system knows: UTF-8, with
// "/" separators. Every function below takes program paths.
std::string NativePath(std::string_view path);
// The inverse at the edge: a UTF-8 path from the environment or the command
// line as a program path.
std::string ProgramPath(std::string_view nativePath);

// Reads a whole file as bytes. Returns nothing when it cannot be opened or
// read (missing, a folder, no permission).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `contents` to `path` without ever leaving a half-written file: the
// bytes go to a temporary file beside it, are flushed to disk, and the
// temporary file is renamed over `path`. On any failure the temporary file is
// removed, `path` keeps its previous contents and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace vorelio
