// What the menu's commands ask of the person, other than the option
// dialogs (OptionDialogs.h) and the message boxes: choosing a profile, a
// keyboard, a file or a folder, naming a new profile, reading the metrics,
// the live event viewer, the configurator's feedback, the waiting notice
// and the dialogs of the user's lists and of the simulator. The GUI
// implements it; tests answer for the person. Every text is Windows-1252.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logging/Log.h"
#include "prediction/UserVocabularyEditor.h"

namespace vorelio {

class CAbbreviationExpansionSet;
class SimulationSession;

// The configurator's appraisal of the program's dialogs.
struct ConfiguratorFeedback {
  int difficulty = 0;
  std::string suggestion;
};

// What became of a request to show the live event viewer.
enum class EventViewerOpening {
  kOpened,          // it was closed and is now open, empty
  kBroughtForward,  // it was open and showing, and is now in front
  kOpenButHidden,   // it is open but minimised: the person is told
  kFailed,          // it could not be started: the person is told
};

// Checks a name typed in the new-profile dialog: the name to create, or
// nothing (the reason already shown) to keep the dialog open.
using NewProfileNameCheck = std::function<std::optional<std::string>(std::string_view typed)>;

class ProgramDialogs {
 public:
  virtual ~ProgramDialogs() = default;

  // "Seleccionar Perfil de Utilizador": one of `names`, or empty when
  // cancelled or none was chosen.
  virtual std::string ChooseProfile(const std::vector<std::string>& names) = 0;
  // "Novo Perfil de Utilizador": asks for a name until `check` accepts one,
  // and returns it; nothing when cancelled.
  virtual std::optional<std::string> AskNewProfileName(const NewProfileNameCheck& check) = 0;
  // A keyboard among `names`, under `title`: the chosen name, an empty
  // string when the person confirmed without choosing, nothing when
  // cancelled.
  virtual std::optional<std::string> ChooseKeyboard(std::string_view title,
                                                    const std::vector<std::string>& names) = 0;
  // An existing file to read (a program path), nothing when cancelled.
  virtual std::optional<std::string> ChooseTextFile(std::string_view title) = 0;
  // A folder (a program path ending in a separator), nothing when
  // cancelled.
  virtual std::optional<std::string> ChooseFolder(std::string_view title) = 0;
  // Shows `lines` under `title` until the person closes it.
  virtual void ShowText(std::string_view title, const std::vector<std::string>& lines) = 0;
  // The wait cursor and, for a non-empty `text`, a notice centred on the
  // desktop, until EndWait.
  virtual void BeginWait(std::string_view text) = 0;
  virtual void EndWait() = 0;

  // Shows the live event viewer (a window that lists event lines, and does
  // not close while lines may still come: closing only hides it).
  virtual EventViewerOpening OpenEventViewer() = 0;
  // The viewer to attach to the log; it lives as long as this object.
  virtual EventLogViewer& EventViewer() = 0;

  // The feedback dialog; nothing when cancelled.
  virtual std::optional<ConfiguratorFeedback> AskFeedback() = 0;

  // The words or the sentences dialog, working through `editor` on the
  // dictionary. True for OK, false for Cancel.
  virtual bool EditUserVocabulary(CUserVocabularyEditor& editor, VocabularyKind kind) = 0;
  // The abbreviations dialog, working directly on the set.
  virtual void EditAbbreviations(CAbbreviationExpansionSet& abbreviations) = 0;
  // The word prediction simulator dialog ("Simulador de Predição de
  // Palavras"); each "Iniciar Simulação" calls `session`.
  virtual void ShowSimulator(SimulationSession& session) = 0;
};

}  // namespace vorelio
