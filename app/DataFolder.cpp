#include "app/DataFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "common/NativePath.h"
#include "platform/AtomicFile.h"

namespace vorelio {

namespace {

std::string WithFinalSeparator(std::string path) {
  if (path.empty() || (path.back() != '/' && path.back() != '\\')) path += '/';
  return path;
}

// A folder, or a link to one (a home or data folder moved elsewhere).
bool IsFolder(FileSystem& files, const std::string& path) {
  return files.ListFolder(path).has_value();
}

// Program files of a Windows installation that have no use here.
bool IsProgramFile(std::string_view name) {
  if (name.size() < 4) return false;
  std::string extension(name.substr(name.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".exe" || extension == ".dll" || extension == ".isu";
}

// Makes `path` (existing already is fine); false when it cannot be made or
// something other than a folder is there.
bool EnsureFolder(FileSystem& files, const std::string& path, bool* created = nullptr) {
  const CreateOutcome outcome = files.CreateFolder(path);
  if (created != nullptr) *created = outcome == CreateOutcome::kCreated;
  return outcome == CreateOutcome::kCreated ||
         (outcome == CreateOutcome::kExists && IsFolder(files, path));
}

// Makes every missing folder of the absolute path `path`, top down.
bool EnsureFolders(FileSystem& files, const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    if (!EnsureFolder(files, path.substr(0, slash))) return false;
  }
  return true;
}

// Copies the entries of `from` into the existing folder `to`. At the top
// only the galleries among the sub-folders are copied; inside a gallery
// every sub-folder is.
bool CopyEntries(FileSystem& files, const std::string& from, const std::string& to, bool top) {
  std::optional<std::vector<std::string>> names = files.ListFolder(from);
  if (!names) return false;
  std::sort(names->begin(), names->end());  // the same order on every machine
  for (const std::string& name : *names) {
    if (name == "." || name == ".." || IsProgramFile(name)) continue;
    const std::string source = InFolder(from, name), target = InFolder(to, name);
    const std::optional<FileStatus> status = files.Status(source);
    if (!status) return false;
    if (status->type == FileStatus::Type::kFolder) {
      if (top && !name.starts_with(kGalleryFolderPrefix)) continue;
      if (!EnsureFolder(files, target) || !CopyEntries(files, source, target, false))
        return false;
    } else if (status->type == FileStatus::Type::kRegular ||
               status->type == FileStatus::Type::kSymbolicLink) {
      const std::optional<std::string> contents = files.ReadFile(source);
      if (!contents || !WriteFileAtomically(files, target, *contents)) return false;
    }
  }
  return true;
}

}  // namespace

FolderEnvironment FolderEnvironment::FromProcess() {
  const auto value = [](const char* name) {
    const char* text = std::getenv(name);
    return std::string(text != nullptr ? text : "");
  };
  return {value("VORELIO_INSTALL_DIR"), value("XDG_DATA_HOME"), value("HOME")};
}

std::string InstallationFolder(const FolderEnvironment& environment, std::string_view compiledIn) {
  if (!environment.installationOverride.empty())
    return WithFinalSeparator(ProgramPath(environment.installationOverride));
  return WithFinalSeparator(std::string(compiledIn));
}

std::optional<std::string> UserDataHome(const FolderEnvironment& environment) {
  if (environment.xdgDataHome.starts_with('/'))
    return WithFinalSeparator(ProgramPath(environment.xdgDataHome));
  if (environment.home.starts_with('/'))
    return WithFinalSeparator(ProgramPath(environment.home)) + ".local/share/";
  return std::nullopt;
}

std::optional<std::string> PrepareDataFolder(FileSystem& files,
                                             const std::string& installationFolder,
                                             const std::string& dataHome,
                                             MessageBoxService& messages) {
  if (!IsFolder(files, installationFolder)) {
    messages.ShowMessage(kNotInstalledMessage);
    return std::nullopt;
  }
  const std::string maker = InFolder(dataHome, kMakerFolderName);
  const std::string product = InFolder(maker, kProductFolderName);
  bool makerCreated = false, productCreated = false;
  if (!EnsureFolders(files, WithFinalSeparator(dataHome)) ||
      !EnsureFolder(files, maker, &makerCreated) ||
      !EnsureFolder(files, product, &productCreated))
    return std::nullopt;
  if (makerCreated && productCreated &&
      !CopyEntries(files, installationFolder, product, true))
    return std::nullopt;
  return WithFinalSeparator(product);
}

}  // namespace vorelio
