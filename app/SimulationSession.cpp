#include "app/SimulationSession.h"

#include "app/GivenText.h"
#include "platform/AtomicFile.h"
#include "prediction/AdaptationCommands.h"
#include "prediction/SimulationResultsFile.h"
#include "prediction/WordPredictionSimulator.h"

namespace vorelio {
namespace {

constexpr std::string_view kUserFilesNotSavedMessage =
    "N\xE3o foi poss\xEDvel guardar os ficheiros do utilizador: a simula\xE7\xE3o n\xE3o foi "
    "efectuada.";

}  // namespace

SimulationSession::SimulationSession(FileSystem& files, MessageBoxService& messages,
                                     ClockService& clock, ClipboardService& clipboard,
                                     std::string dataFolder, CUserProfile& profile,
                                     CDictionary& dictionary)
    : files_(files),
      messages_(messages),
      clock_(clock),
      clipboard_(clipboard),
      dataFolder_(std::move(dataFolder)),
      profile_(profile),
      dictionary_(dictionary) {}

std::optional<std::vector<SimulationLine>> SimulationSession::TextOf(
    const SimulationRequest& request) {
  std::optional<std::vector<SimulationLine>> lines;
  if (request.source == SimulationSource::kClipboard) {
    const std::optional<std::string> text = AcceptedClipboardText(clipboard_, messages_);
    if (!text) return std::nullopt;
    // The copy is only for the person to look at afterwards; the text in
    // memory is what runs, so a copy that cannot be written changes nothing.
    WriteFileAtomically(files_, dataFolder_ + std::string(kClipboardFileName), *text);
    lines = SplitSimulationText(*text);
  } else {
    lines = ReadSimulationText(files_, request.filePath);
    if (!lines) {
      messages_.ShowMessage(UnreadableTextFileMessage(request.filePath));
      return std::nullopt;
    }
  }
  if (lines->empty()) {
    messages_.ShowMessage(kSimulationTextEmptyMessage);
    return std::nullopt;
  }
  return lines;
}

bool SimulationSession::Run(const SimulationRequest& request, SimulationProgress& progress) {
  const std::optional<std::vector<SimulationLine>> text = TextOf(request);
  if (!text) return false;
  UserProfileOptions& options = profile_.Properties().options;
  const std::vector<PredictionOptions> runs = SimulationRuns(request.type, options);

  SimulationResultsFile results;
  if (request.saveResults) results.Create(files_, dataFolder_, profile_.Name(), clock_, messages_);

  int64_t wordsPerRun = 0;
  for (const SimulationLine& line : *text) wordsPerRun += static_cast<int64_t>(line.size());
  progress.Started(wordsPerRun * static_cast<int64_t>(runs.size()));

  CWordPredictionSimulator simulator;
  for (std::size_t run = 0; run < runs.size(); ++run) {
    progress.RunStarted(static_cast<int>(run) + 1, static_cast<int>(runs.size()));
    if (simulator.Start(dictionary_, runs[run], *text) != SimulationStart::kStarted) {
      messages_.ShowMessage(kUserFilesNotSavedMessage);
      return false;
    }
    // The repeated types leave the profile with the factors of the run.
    static_cast<PredictionOptions&>(options) = runs[run];
    bool goOn = true;
    while (goOn && simulator.Step()) {
      goOn = progress.WordSimulated(simulator.LastWord(), simulator.Figures());
    }
    simulator.End();
    if (!goOn) return true;
    if (request.saveResults) results.Append(simulator.Figures());
  }
  return true;
}

}  // namespace vorelio
