#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/NativePath.h"
#include "platform/InstanceLock.h"

namespace vorelio {

namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

// A folder of this user's that nobody else may write into.
bool IsPrivateFolder(const struct stat& status) {
  return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
         (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::string FlockInstanceLock::PrivateFolderFromEnvironment() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); IsAbsolute(runtime)) return runtime;
  std::string cache;
  if (const char* cacheHome = std::getenv("XDG_CACHE_HOME"); IsAbsolute(cacheHome)) {
    cache = cacheHome;
  } else if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
    cache = std::string(home) + "/.cache";
  } else {
    return {};
  }
  ::mkdir(cache.c_str(), 0700);  // a new account may not have one yet
  return cache;
}

FlockInstanceLock::FlockInstanceLock(std::string folder) : folder_(std::move(folder)) {}

FlockInstanceLock::~FlockInstanceLock() {
  if (descriptor_ >= 0) ::close(descriptor_);  // closing lets the lock go
}

InstanceLockOutcome FlockInstanceLock::TryAcquire() {
  if (descriptor_ >= 0) return InstanceLockOutcome::kAcquired;
  problem_.clear();
  struct stat status {};
  if (!IsAbsolute(folder_.c_str()) || ::stat(folder_.c_str(), &status) != 0 ||
      !IsPrivateFolder(status)) {
    problem_ = "A pasta privada \"" + ProgramPath(folder_) + "\" n\xE3o serve para o bloqueio do Vorelio";
    return InstanceLockOutcome::kUnavailable;
  }
  const std::string path = folder_ + "/" + kInstanceLockName + ".lock";
  const int descriptor =
      ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_uid != ::geteuid()) {
    if (descriptor >= 0) ::close(descriptor);
    problem_ = "O ficheiro de bloqueio \"" + ProgramPath(path) + "\" n\xE3o pode ser usado";
    return InstanceLockOutcome::kUnavailable;
  }
  // flock locks belong to the open file: a second open, in this process or
  // another, conflicts with the first.
  int result;
  do {
    result = ::flock(descriptor, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(descriptor);
    if (held) return InstanceLockOutcome::kHeldElsewhere;
    problem_ = "O ficheiro de bloqueio \"" + ProgramPath(path) + "\" n\xE3o pode ser bloqueado";
    return InstanceLockOutcome::kUnavailable;
  }
  descriptor_ = descriptor;
  return InstanceLockOutcome::kAcquired;
}

}  // namespace vorelio
