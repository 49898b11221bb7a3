#include "platform/PosixProgramLauncher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>  // environ

#include <cerrno>
#include <system_error>
#include <thread>

#include "common/NativePath.h"

namespace vorelio {

namespace {

// What posix_spawn needs besides the path, released however the launch ends.
class SpawnSettings {
 public:
  SpawnSettings() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    // The program's open files (the log, the hook segment, X connections)
    // are none of the started program's business.
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    // A clean start: no blocked signals, default handling, and a session of
    // its own, so that it outlives the program and its terminal.
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes_, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes_, &signals);
    posix_spawnattr_setflags(&attributes_,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
  }
  ~SpawnSettings() {
    posix_spawnattr_destroy(&attributes_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  const posix_spawn_file_actions_t* Actions() const { return &actions_; }
  const posix_spawnattr_t* Attributes() const { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

}  // namespace

PosixProgramLauncher::PosixProgramLauncher() : unreaped_(std::make_shared<std::atomic<int>>(0)) {}

bool PosixProgramLauncher::Launch(const std::string& path) {
  const std::string native = NativePath(path);
  if (native.empty()) return false;
  const SpawnSettings settings;
  char* const arguments[] = {const_cast<char*>(native.c_str()), nullptr};
  pid_t child = 0;
  // glibc reports a program that cannot be executed (missing, not
  // executable, unknown format) as the result of posix_spawn itself.
  if (posix_spawn(&child, native.c_str(), settings.Actions(), settings.Attributes(), arguments,
                  environ) != 0)
    return false;

  unreaped_->fetch_add(1);
  try {
    std::thread([child, unreaped = unreaped_] {
      while (waitpid(child, nullptr, 0) == -1 && errno == EINTR) {
      }
      unreaped->fetch_sub(1);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the program still started; it stays unreaped
    // until this program ends.
  }
  return true;
}

}  // namespace vorelio
