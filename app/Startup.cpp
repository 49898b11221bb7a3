#include "app/Startup.h"

#include "profiles/ProfileName.h"
#include "profiles/SystemOptions.h"

namespace vorelio {

StartResult StartProgram(InstanceLock& lock, FileSystem& files, MessageBoxService& messages,
                         const FolderEnvironment& environment,
                         std::string_view compiledInInstallationFolder) {
  StartResult result;
  if (lock.TryAcquire() == InstanceLockOutcome::kHeldElsewhere) {
    result.outcome = StartResult::Outcome::kAlreadyRunning;
    return result;
  }
  result.installationFolder = InstallationFolder(environment, compiledInInstallationFolder);
  std::optional<std::string> dataFolder;
  if (const std::optional<std::string> dataHome = UserDataHome(environment))
    dataFolder = PrepareDataFolder(files, result.installationFolder, *dataHome, messages);
  if (!dataFolder) {
    messages.ShowMessage(kDataFolderFailedMessage);
    return result;
  }
  result.dataFolder = *dataFolder;
  result.outcome = StartResult::Outcome::kReady;
  return result;
}

std::string StartProfileName(const CSystemOptions& options) {
  const std::string& name = options.StartProfile();
  return name.empty() ? std::string(kGenericProfileName) : name;
}

}  // namespace vorelio
