// The file that holds the hook library's state for one user, opened so that
// no other local user can take its name first, read it, write it or
// redirect it.
//
// The folder: $XDG_RUNTIME_DIR, the user's runtime folder (the session
// manager makes it, mode 0700). It must be an absolute path to a folder,
// not a symbolic link, owned by the user and closed to everyone else; any
// other is refused (it is not ours to repair). Without XDG_RUNTIME_DIR
// (su, ssh or a container without a session manager) the folder is
// "vorelio-runtime" in the user's cache folder ($XDG_CACHE_HOME, else
// ~/.cache), made with mode 0700 when missing and held to the same rules,
// except that a wrong mode of the user's own is repaired. Without HOME
// either there is no private folder, and the state is refused.
//
// The file: "vorelio-hookpredarin" in that folder, created with mode 0600,
// opened relative to the checked folder and never through a symbolic link.
// An existing one must be a regular file of the user's; one of the user's
// with any other mode is made 0600 again. A shorter file (another process
// is creating it) is grown with zeros.
//
// Every refusal comes with a message for the user (Portuguese,
// Windows-1252) that names the path and what is wrong with it; a file or
// folder of the wrong owner or mode is named with its owner and mode.
#pragma once

#include <cstddef>
#include <string>

namespace vorelio::hook {

inline constexpr char kSegmentFileName[] = "vorelio-hookpredarin";
inline constexpr char kFallbackFolderName[] = "vorelio-runtime";

struct SegmentFile {
  int descriptor = -1;   // read-write, close-on-exec, the caller's; -1: refused
  bool created = false;  // new (all zeros): the caller writes the initial values
  std::string path;      // where it is (or would be)
  std::string problem;   // why it was refused; empty when opened
};

// Opens (creating when missing) the current user's segment file, from the
// environment as it is now, at least `size` bytes long.
SegmentFile OpenSegmentFile(std::size_t size);

}  // namespace vorelio::hook
