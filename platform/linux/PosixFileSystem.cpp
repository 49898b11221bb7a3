#include "platform/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "common/NativePath.h"
#include "platform/AtomicFile.h"

namespace vorelio {

namespace {

class PosixWritableFile final : public WritableFile {
 public:
  explicit PosixWritableFile(int descriptor) : descriptor_(descriptor) {}
  ~PosixWritableFile() override { Close(); }

  bool Append(std::string_view data) override {
    while (!data.empty()) {
      if (descriptor_ < 0) return false;
      const ssize_t written = ::write(descriptor_, data.data(), data.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }
  bool Sync() override { return descriptor_ >= 0 && ::fsync(descriptor_) == 0; }
  bool Close() override {
    if (descriptor_ < 0) return true;
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    return closed;
  }

 private:
  int descriptor_;
};

FileStatus::Type TypeOf(mode_t mode) {
  if (S_ISREG(mode)) return FileStatus::Type::kRegular;
  if (S_ISDIR(mode)) return FileStatus::Type::kFolder;
  if (S_ISLNK(mode)) return FileStatus::Type::kSymbolicLink;
  return FileStatus::Type::kOther;
}

// A rename is durable once the folder that holds both names is on disk.
void SyncFolderOf(const std::string& nativePath) {
  const std::string folder = FolderOf(nativePath);
  const int descriptor =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) {
  const int descriptor = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(descriptor);
    return std::nullopt;
  }
  std::string contents;
  contents.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(descriptor);
      return std::nullopt;
    }
    contents.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(descriptor);
  return contents;
}

std::unique_ptr<WritableFile> PosixFileSystem::CreateNewFile(const std::string& path,
                                                             const FileStatus* modelledOn,
                                                             CreateOutcome* outcome) {
  // Created private and opened up only to the model's bits, so nobody can
  // open it in between.
  const mode_t mode = modelledOn != nullptr ? 0600 : 0666;
  const int descriptor =
      ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (descriptor < 0) {
    if (outcome != nullptr)
      *outcome = errno == EEXIST ? CreateOutcome::kExists : CreateOutcome::kFailed;
    return nullptr;
  }
  if (modelledOn != nullptr) {
    struct stat info {};
    if (::fstat(descriptor, &info) == 0 &&
        (info.st_uid != modelledOn->owner || info.st_gid != modelledOn->group)) {
      // Only the administrator may give a file away; a group change may work.
      if (::fchown(descriptor, modelledOn->owner, modelledOn->group) != 0)
        (void)::fchown(descriptor, static_cast<uid_t>(-1), modelledOn->group);
    }
    ::fchmod(descriptor, static_cast<mode_t>(modelledOn->permissions & 07777));
  }
  if (outcome != nullptr) *outcome = CreateOutcome::kCreated;
  return std::make_unique<PosixWritableFile>(descriptor);
}

std::unique_ptr<WritableFile> PosixFileSystem::OpenForAppend(const std::string& path) {
  const int descriptor =
      ::open(NativePath(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  return std::make_unique<PosixWritableFile>(descriptor);
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  const std::string target = NativePath(to);
  if (std::rename(NativePath(from).c_str(), target.c_str()) != 0) return false;
  SyncFolderOf(target);
  return true;
}

bool PosixFileSystem::Remove(const std::string& path) {
  return ::unlink(NativePath(path).c_str()) == 0;
}

CreateOutcome PosixFileSystem::CreateFolder(const std::string& path) {
  if (::mkdir(NativePath(path).c_str(), 0700) == 0) return CreateOutcome::kCreated;
  return errno == EEXIST ? CreateOutcome::kExists : CreateOutcome::kFailed;
}

std::optional<FileStatus> PosixFileSystem::Status(const std::string& path) {
  struct stat info {};
  if (::lstat(NativePath(path).c_str(), &info) != 0) return std::nullopt;
  FileStatus status;
  status.type = TypeOf(info.st_mode);
  status.permissions = static_cast<uint32_t>(info.st_mode & 07777);
  status.owner = info.st_uid;
  status.group = info.st_gid;
  return status;
}

std::optional<std::string> PosixFileSystem::ReadLink(const std::string& path) {
  char target[4096];
  const ssize_t length = ::readlink(NativePath(path).c_str(), target, sizeof target);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof target) return std::nullopt;
  return ProgramPath(std::string_view(target, static_cast<std::size_t>(length)));
}

bool PosixFileSystem::MayWrite(const std::string& path) {
  const std::string native = NativePath(path);
  struct stat info {};
  if (::stat(native.c_str(), &info) != 0 || (info.st_mode & 0222) == 0) return false;
  return ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) == 0;
}

std::optional<std::vector<std::string>> PosixFileSystem::ListFolder(const std::string& folder) {
  DIR* stream = ::opendir(NativePath(folder).c_str());
  if (stream == nullptr) return std::nullopt;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(stream)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    names.push_back(ProgramPath(name));
  }
  ::closedir(stream);
  return names;
}

}  // namespace vorelio
