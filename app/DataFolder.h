// The program's two folders: the installation folder, which holds the
// initial data files, and the per-user data folder, where every profile,
// dictionary, keyboard, log and options file of the user lives. A user's
// first start fills the data folder from the installation folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace vorelio {

// The data folder below the user's data home.
inline constexpr std::string_view kMakerFolderName = "Tessaral";
inline constexpr std::string_view kProductFolderName = "Vorelio 3.0";
// Installation sub-folders copied with the files: the pictogram galleries.
inline constexpr std::string_view kGalleryFolderPrefix = "CAT_IMG_";

inline constexpr std::string_view kNotInstalledMessage =
    "O Vorelio n\xE3o se encontra correctamente instalado neste computador!";

// The environment variables the folders come from (UTF-8, as given; empty
// when unset).
struct FolderEnvironment {
  std::string installationOverride;  // VORELIO_INSTALL_DIR
  std::string xdgDataHome;           // XDG_DATA_HOME
  std::string home;                  // HOME
  static FolderEnvironment FromProcess();
};

// The installation folder as a program path ending in "/": the override
// when set, else `compiledIn` (the build tree's data/ or the install
// prefix's share folder, given by the program).
std::string InstallationFolder(const FolderEnvironment& environment, std::string_view compiledIn);

// The user's data home as a program path ending in "/": XDG_DATA_HOME when
// it is absolute (a relative one is ignored, as XDG asks), else
// HOME + "/.local/share/". Nothing without either.
std::optional<std::string> UserDataHome(const FolderEnvironment& environment);

// Makes the data folder dataHome + "Tessaral/Vorelio 3.0/" ready and
// returns it. The data home itself is made when missing (a new account may
// have no ~/.local/share). Then "Tessaral" and "Tessaral/Vorelio 3.0" are
// made; only when both are new (the user never ran the program) is every
// entry of the installation folder copied into it, overwriting, except
// names ending in ".exe", ".dll" or ".isu" (in any case) and except
// sub-folders other than the pictogram galleries ("CAT_IMG_*"), which are
// copied whole. A later start copies nothing, even when files were deleted.
// Files are written atomically.
//
// Fails, returning nothing, when the installation folder is missing (after
// showing kNotInstalledMessage), when a folder cannot be made or a name in
// the way is not a folder, or when a file cannot be read or written.
std::optional<std::string> PrepareDataFolder(FileSystem& files,
                                             const std::string& installationFolder,
                                             const std::string& dataHome,
                                             MessageBoxService& messages);

}  // namespace vorelio
