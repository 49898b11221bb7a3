// Starts programs with posix_spawn. Each started program is reaped by a
// thread of its own as soon as it ends, so none is left a zombie, and the
// launcher never waits for one; a program still running when the launcher
// or the whole program ends goes on running in its own session.
#pragma once

#include <atomic>
#include <memory>

#include "platform/ProgramLauncher.h"

namespace vorelio {

class PosixProgramLauncher final : public ProgramLauncher {
 public:
  PosixProgramLauncher();

  bool Launch(const std::string& path) override;

  // Programs started here that have not been reaped yet (still running, or
  // ended a moment ago).
  int UnreapedPrograms() const { return unreaped_->load(); }

 private:
  // Shared with the reaping threads, which may outlive the launcher.
  std::shared_ptr<std::atomic<int>> unreaped_;
};

}  // namespace vorelio
