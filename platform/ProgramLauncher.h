// Starting another program, as a key whose output names one does. The Linux
// one is PosixProgramLauncher; tests use RecordingProgramLauncher.
#pragma once

#include <string>

namespace vorelio {

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;

  // Starts the program file at `path` (a program path: Windows-1252, "\\" or
  // "/" separators; a relative path is taken from the program's working
  // folder) with no arguments, no shell and no change of working folder,
  // and returns without waiting for it. The started program gets none of
  // the caller's open files besides standard input, output and error.
  // False when it could not be started: no such file, not executable, or
  // not a program this system can run (a Windows ".exe" is one, unless the
  // system is set up to run it).
  virtual bool Launch(const std::string& path) = 0;
};

}  // namespace vorelio
