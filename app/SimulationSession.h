// What the word prediction simulator dialog runs when the person presses
// "Iniciar Simulação": the chosen text (the clipboard's or a file's)
// replayed with the current profile's dictionary, once or many times with
// the factors changed by the chosen simulation type, each run's figures
// shown live and, when asked, one line per run added to a results file.
//
// Runs go one after the other on the user-interface thread; the dialog
// keeps itself drawn through the progress calls and may stop between
// words. The repeated types leave the profile's prediction options at the
// values of the last run, as the dialog has always done (they are saved
// with the profile's options).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"
#include "prediction/SimulationFigures.h"
#include "prediction/SimulationSchedule.h"
#include "prediction/SimulationText.h"
#include "profiles/UserProfile.h"

namespace vorelio {

enum class SimulationSource { kClipboard, kFile };

struct SimulationRequest {
  SimulationSource source = SimulationSource::kFile;
  std::string filePath;  // for kFile; a program path (Windows-1252)
  SimulationType type = SimulationType::kCurrentValues;
  bool saveResults = false;  // "Guardar Resultados num Ficheiro"
};

// The dialog's side of a simulation.
class SimulationProgress {
 public:
  virtual ~SimulationProgress() = default;
  // The simulation is about to start: `totalWords` words over all its runs.
  virtual void Started(int64_t totalWords) = 0;
  // A run starts: the text box of the words written is emptied.
  virtual void RunStarted(int run, int runs) = 0;
  // One word was simulated: the word as written and the run's figures so
  // far. False stops the simulation after this word.
  virtual bool WordSimulated(std::string_view word, const SimulationFigures& figures) = 0;
};

// Shown when the text to simulate holds no word.
inline constexpr std::string_view kSimulationTextEmptyMessage =
    "O texto a simular n\xE3o cont\xE9m palavras.";

class SimulationSession {
 public:
  // Everything passed must outlive the session. `dataFolder` ends in a
  // separator; `profile` is the current profile and `dictionary` its
  // dictionary.
  SimulationSession(FileSystem& files, MessageBoxService& messages, ClockService& clock,
                    ClipboardService& clipboard, std::string dataFolder, CUserProfile& profile,
                    CDictionary& dictionary);

  // Runs the request. The clipboard's text is copied to ClipboardFile.tmp
  // in the data folder and replayed from there. A text that cannot be read,
  // a clipboard without text or with a text too long, a text without words,
  // or user files that cannot be saved before a learning run are told and
  // nothing runs: false. A results file that cannot be created is told and
  // the simulation runs without it. True when every run was made (or the
  // dialog stopped it).
  bool Run(const SimulationRequest& request, SimulationProgress& progress);

 private:
  // The lines of the text to replay; nothing (the person told) when there
  // is none.
  std::optional<std::vector<SimulationLine>> TextOf(const SimulationRequest& request);

  FileSystem& files_;
  MessageBoxService& messages_;
  ClockService& clock_;
  ClipboardService& clipboard_;
  const std::string dataFolder_;
  CUserProfile& profile_;
  CDictionary& dictionary_;
};

}  // namespace vorelio
