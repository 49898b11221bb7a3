// The results file of a simulation: in the data folder, named profile
// name + " " + the file-name form of the start time with ":" made "-" +
// ".sim" (e.g. "generico Sun Dec 06 00-27-17 2026.sim"), one line per run
// (SimulationFigures.h ResultsLine).
//
// The file is created anew when the simulation starts and rewritten whole,
// through a temporary file and a rename, after each run: it never holds a
// half line, and a simulation that stops early leaves the runs it finished.
#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "prediction/SimulationFigures.h"

namespace vorelio {

class SimulationResultsFile {
 public:
  // The file name for a simulation started at `start`, in `dataFolder`
  // (which ends in a path separator).
  static std::string PathFor(const std::string& dataFolder, const std::string& profile,
                             const LocalTime& start);

  // Creates the empty file named from the clock's current time. When it
  // cannot be created, shows "Erro na abertura do ficheiro de metricas!",
  // returns false, and the later Appends do nothing: the simulation still
  // runs.
  bool Create(FileSystem& files, const std::string& dataFolder, const std::string& profile,
              ClockService& clock, MessageBoxService& messages);
  // Adds one run's line. False (the file keeps its earlier lines) when the
  // file could not be rewritten or was never created.
  bool Append(const SimulationFigures& figures);

  const std::string& Path() const { return path_; }

 private:
  FileSystem* files_ = nullptr;
  std::string path_;
  std::string contents_;
  bool open_ = false;
};

}  // namespace vorelio
