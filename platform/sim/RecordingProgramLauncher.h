// A program launcher for tests: starts nothing, keeps the path of every
// launch, and answers as a test sets it.
#pragma once

#include <string>
#include <vector>

#include "platform/ProgramLauncher.h"

namespace vorelio {

class RecordingProgramLauncher final : public ProgramLauncher {
 public:
  bool Launch(const std::string& path) override {
    launched.push_back(path);
    return startsPrograms;
  }

  std::vector<std::string> launched;  // every path asked for, in order
  bool startsPrograms = true;         // what Launch answers
};

}  // namespace vorelio
