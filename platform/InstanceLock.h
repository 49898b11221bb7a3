// Whether this is the only copy of the program running for this user: a
// second copy learns at once that one runs and ends without showing
// anything.
#pragma once

#include <string>

namespace vorelio {

// The name of the program's per-user lock.
inline constexpr char kInstanceLockName[] = "VorelioV3Mutex";

enum class InstanceLockOutcome {
  kAcquired,         // this copy is the only one; the lock is held
  kHeldElsewhere,    // another copy holds it: end now
  kUnavailable,      // no lock could be made (no private folder, a refused
                     // file); the program runs unguarded rather than not at all
};

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // Tries once, without waiting. A lock taken is held until the object is
  // destroyed (or the process ends). Calling again after kAcquired returns
  // kAcquired.
  virtual InstanceLockOutcome TryAcquire() = 0;
  // Why the lock is unavailable (Windows-1252); empty otherwise.
  virtual const std::string& Problem() const = 0;
};

// The lock as an advisory flock on the file "VorelioV3Mutex.lock" of a
// private folder: $XDG_RUNTIME_DIR (the session's runtime folder, mode
// 0700), else the user's cache folder ($XDG_CACHE_HOME, else ~/.cache),
// made with mode 0700 when missing. Both belong to the user alone, so no
// other user can take the name first. The folder must be an absolute path
// owned by the user without write access for others, and the file a
// regular file of the user's (opened without following links, mode 0600);
// anything else makes the lock unavailable. The system frees the lock when
// the process ends, however it ends.
class FlockInstanceLock final : public InstanceLock {
 public:
  // The folder chosen from the environment as above; empty when neither
  // XDG_RUNTIME_DIR nor a cache folder can be found.
  static std::string PrivateFolderFromEnvironment();

  // `folder`: a native path (tests pass their own temporary folder).
  explicit FlockInstanceLock(std::string folder);
  ~FlockInstanceLock() override;
  FlockInstanceLock(const FlockInstanceLock&) = delete;
  FlockInstanceLock& operator=(const FlockInstanceLock&) = delete;

  InstanceLockOutcome TryAcquire() override;
  const std::string& Problem() const override { return problem_; }

 private:
  std::string folder_;
  std::string problem_;
  int descriptor_ = -1;
};

}  // namespace vorelio
