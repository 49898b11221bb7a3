// What the program does from its start to the first profile: the check that
// no other copy runs, the data folder, the splash text and the choice of the
// start profile. Plain C++: the GUI calls it and shows what it returns.
#pragma once

#include <string>
#include <string_view>

#include "app/DataFolder.h"
#include "platform/FileSystem.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"

namespace vorelio {

class CSystemOptions;

// Shown centred, without taking the focus, while the first profile loads.
inline constexpr std::string_view kSplashText = "Vorelio a iniciar... Por favor aguarde.";

inline constexpr std::string_view kDataFolderFailedMessage =
    "N\xE3o foi poss\xEDvel copiar os ficheiros do Vorelio para este utilizador.";

struct StartResult {
  enum class Outcome {
    kReady,           // the lock is held and the data folder is ready
    kAlreadyRunning,  // another copy runs: end at once, showing nothing
    kFailed,          // the user was told; end
  };
  Outcome outcome = Outcome::kFailed;
  std::string installationFolder;  // program paths ending in "/"
  std::string dataFolder;
};

// Takes the single-instance lock (held by `lock` for the life of the
// program; an unavailable lock lets the program run), then prepares the data
// folder (PrepareDataFolder) from the installation folder
// (InstallationFolder of `environment` and `compiledInInstallationFolder`)
// and the user's data home. Any failure of the data folder, or no data home
// at all, shows kDataFolderFailedMessage and fails.
StartResult StartProgram(InstanceLock& lock, FileSystem& files, MessageBoxService& messages,
                         const FolderEnvironment& environment,
                         std::string_view compiledInInstallationFolder);

// The profile to open at start: the system options' start profile, or
// "generico" when it is empty. Choosing by context (waiting for the context
// sensors when context adaptation is on) does not exist yet; until it does,
// the start profile is used whatever that option says.
std::string StartProfileName(const CSystemOptions& options);

}  // namespace vorelio
