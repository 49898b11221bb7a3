#include "hook/SegmentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "common/Text.h"

namespace vorelio::hook {
namespace {

constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;

std::string OwnerAndMode(const struct stat& status) {
  char text[64];
  std::snprintf(text, sizeof text, "uid %u, modo %04o", static_cast<unsigned>(status.st_uid),
                static_cast<unsigned>(status.st_mode & 07777));
  return text;
}

std::string ErrorText(int error) { return "erro " + std::to_string(error); }

// Paths are UTF-8 on disk; messages are Windows-1252.
std::string Refusal(const std::string& path, const std::string& reason) {
  return "HookPredarin:O estado do hook n\xE3o pode ficar em " + UserTextToCp1252(path) + ": " +
         reason;
}

// A folder of the user's that nobody else may enter, or why not.
struct Folder {
  int descriptor = -1;
  std::string problem;
};

// `repairMode`: a folder of the user's with group or other bits is made
// 0700 (our own fallback folder); otherwise it is refused.
Folder OpenPrivateFolder(const std::string& path, bool repairMode) {
  Folder folder;
  if (path.empty() || path.front() != '/') {
    folder.problem = Refusal(path, "n\xE3o \xE9 um caminho absoluto");
    return folder;
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) {
    const int error = errno;
    struct stat status {};
    const bool link = ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
    folder.problem = Refusal(path, link                ? "\xE9 uma liga\xE7\xE3o simb\xF3lica"
                                   : error == ENOENT  ? "a pasta n\xE3o existe"
                                   : error == ENOTDIR ? "n\xE3o \xE9 uma pasta"
                                                      : "a pasta n\xE3o abre (" + ErrorText(error) + ")");
    return folder;
  }
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    folder.problem = Refusal(path, "a pasta n\xE3o abre (" + ErrorText(errno) + ")");
  } else if (status.st_uid != ::geteuid()) {
    folder.problem = Refusal(path, "a pasta pertence a outro utilizador (" + OwnerAndMode(status) + ")");
  } else if ((status.st_mode & 077) != 0 && !(repairMode && ::fchmod(descriptor, kFolderMode) == 0)) {
    folder.problem =
        Refusal(path, "outros utilizadores podem usar a pasta (" + OwnerAndMode(status) + ")");
  }
  if (!folder.problem.empty()) {
    ::close(descriptor);
    return folder;
  }
  folder.descriptor = descriptor;
  return folder;
}

// The folder for the segment and whether it is our own fallback.
struct FolderChoice {
  std::string path;
  bool fallback = false;
  std::string problem;
};

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

FolderChoice ChooseFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
    return {runtime, false, {}};
  }
  std::string cache;
  if (const char* cacheHome = std::getenv("XDG_CACHE_HOME"); IsAbsolute(cacheHome)) {
    cache = cacheHome;
  } else if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
    cache = std::string(home) + "/.cache";
  } else {
    return {{}, true,
            "HookPredarin:Sem XDG_RUNTIME_DIR nem HOME n\xE3o h\xE1 uma pasta privada para o "
            "estado do hook"};
  }
  // The cache folder may be missing on a new account; what we make is the
  // user's alone. An existing one is checked only through our folder in it.
  ::mkdir(cache.c_str(), kFolderMode);
  const std::string folder = cache + "/" + kFallbackFolderName;
  ::mkdir(folder.c_str(), kFolderMode);
  return {folder, true, {}};
}

// Opens the existing file of the folder, repairing the mode of one of the
// user's that we may not write.
int OpenExisting(int folder, const std::string& path, std::string& problem) {
  int descriptor = ::openat(folder, kSegmentFileName, O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0 && errno == EACCES) {
    const int readOnly = ::openat(folder, kSegmentFileName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (readOnly >= 0 && ::fstat(readOnly, &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_uid == ::geteuid() && ::fchmod(readOnly, kFileMode) == 0) {
      descriptor = ::openat(folder, kSegmentFileName, O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    }
    if (readOnly >= 0) ::close(readOnly);
    if (descriptor < 0) errno = EACCES;
  }
  if (descriptor < 0) {
    const int error = errno;
    problem = Refusal(path, error == ELOOP ? "\xE9 uma liga\xE7\xE3o simb\xF3lica"
                                           : "o ficheiro n\xE3o abre (" + ErrorText(error) + ")");
    return -1;
  }
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    problem = Refusal(path, "o ficheiro n\xE3o abre (" + ErrorText(errno) + ")");
  } else if (!S_ISREG(status.st_mode)) {
    problem = Refusal(path, "n\xE3o \xE9 um ficheiro normal");
  } else if (status.st_uid != ::geteuid()) {
    problem = Refusal(path, "o ficheiro pertence a outro utilizador (" + OwnerAndMode(status) + ")");
  } else if ((status.st_mode & 07777) != kFileMode && ::fchmod(descriptor, kFileMode) != 0) {
    problem = Refusal(path, "o modo do ficheiro n\xE3o pode ser corrigido (" +
                                OwnerAndMode(status) + ")");
  }
  if (!problem.empty()) {
    ::close(descriptor);
    return -1;
  }
  return descriptor;
}

}  // namespace

SegmentFile OpenSegmentFile(std::size_t size) {
  SegmentFile file;
  const FolderChoice choice = ChooseFolder();
  if (!choice.problem.empty()) {
    file.problem = choice.problem;
    return file;
  }
  file.path = choice.path + "/" + kSegmentFileName;
  const Folder folder = OpenPrivateFolder(choice.path, choice.fallback);
  if (folder.descriptor < 0) {
    file.problem = folder.problem;
    return file;
  }
  file.descriptor = ::openat(folder.descriptor, kSegmentFileName,
                             O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
  if (file.descriptor >= 0) {
    // The umask can only narrow 0600; fchmod makes it exact.
    ::fchmod(file.descriptor, kFileMode);
    file.created = true;
  } else if (errno == EEXIST) {
    file.descriptor = OpenExisting(folder.descriptor, file.path, file.problem);
  } else {
    file.problem = Refusal(file.path, "o ficheiro n\xE3o pode ser criado (" + ErrorText(errno) + ")");
  }
  ::close(folder.descriptor);
  struct stat status {};
  if (file.descriptor >= 0 &&
      !(::fstat(file.descriptor, &status) == 0 && status.st_size >= static_cast<off_t>(size)) &&
      ::ftruncate(file.descriptor, static_cast<off_t>(size)) != 0) {
    file.problem = Refusal(file.path, "o ficheiro n\xE3o cresce (" + ErrorText(errno) + ")");
    ::close(file.descriptor);
    file.descriptor = -1;
  }
  return file;
}

}  // namespace vorelio::hook
