// Whole-file reading and crash-safe writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorelio {

// Reads a whole file as bytes. Returns nothing when it cannot be opened or
// read (missing, a folder, no permission).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `contents` to `path` without ever leaving a half-written file: the
// bytes go to a temporary file beside it, are flushed to disk, and the
// temporary file is renamed over `path`. On any failure the temporary file is
// removed, `path` keeps its previous contents and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace vorelio
