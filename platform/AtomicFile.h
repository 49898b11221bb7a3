// Saving a file so that it is never left half-written, and what goes with
// it. Every file the program writes whole goes through WriteFileAtomically.
#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace vorelio {

// Writes `contents` to `path`: the bytes go to a new temporary file beside
// the file (a unique name, created exclusively), are flushed to disk, and
// the temporary file is renamed over the file. The file keeps what its owner
// set up: a symbolic link is written through to the file it names, and the
// new file takes the old one's permission bits (and owner and group, where
// the system allows). Temporary files that an earlier crash left beside it
// are removed first.
//
// Refuses, writing nothing and returning false, when the file exists but
// may not be written (read-only) or is not a regular file, or when links
// loop. On any failure the temporary file is removed and `path` keeps its
// previous contents.
bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view contents);

// Creates `path`, which must not exist yet (a copy never overwrites), and
// writes `contents` to it, flushed to disk. False when the name is taken or
// a write fails; a file that could not be written whole is removed.
bool WriteNewFile(FileSystem& files, const std::string& path, std::string_view contents);

// True when anything (a file, a folder, a link) is at `path`.
bool PathExists(FileSystem& files, const std::string& path);

// The folder part of a program path, with its final separator ("" for a
// bare name), and the name after it.
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

}  // namespace vorelio
