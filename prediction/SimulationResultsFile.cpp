#include "prediction/SimulationResultsFile.h"

#include <algorithm>

#include "platform/AtomicFile.h"

namespace vorelio {

std::string SimulationResultsFile::PathFor(const std::string& dataFolder,
                                           const std::string& profile, const LocalTime& start) {
  std::string time = FileNameForm(start);
  std::replace(time.begin(), time.end(), ':', '-');
  return dataFolder + profile + " " + time + ".sim";
}

bool SimulationResultsFile::Create(FileSystem& files, const std::string& dataFolder, const std::string& profile,
                                   ClockService& clock, MessageBoxService& messages) {
  files_ = &files;
  path_ = PathFor(dataFolder, profile, clock.Now());
  contents_.clear();
  open_ = WriteFileAtomically(files, path_, contents_);
  if (!open_) messages.ShowMessage("Erro na abertura do ficheiro de metricas!");
  return open_;
}

bool SimulationResultsFile::Append(const SimulationFigures& figures) {
  if (!open_) return false;
  const std::size_t before = contents_.size();
  contents_ += ResultsLine(figures);
  if (WriteFileAtomically(*files_, path_, contents_)) return true;
  contents_.resize(before);
  return false;
}

}  // namespace vorelio
