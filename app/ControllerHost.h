// What the controller's parts (the selection of suggestions and keys,
// pictogram writing, abbreviation expansion) ask of the controller.
// CPredarinView implements it; everything runs on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "logging/LogEvent.h"
#include "logging/WritingMetrics.h"
#include "output/Keyboard.h"
#include "output/WordProcessor.h"
#include "prediction/Dictionary.h"
#include "prediction/UserAdaptation.h"
#include "profiles/UserProfileOptions.h"

namespace vorelio {

class ControllerHost {
 public:
  virtual ~ControllerHost() = default;

  // The current output target; null while there is none.
  virtual CWordProcessor* Target() = 0;
  // True while the current target is the program's own message editor,
  // which writes without synthesized keys and holds pictograms.
  virtual bool TargetIsInternalEditor() const = 0;
  // The current profile's options (a new profile's before one is open).
  virtual const UserProfileOptions& Options() const = 0;
  // The current profile's dictionary; null before a profile is open.
  virtual CDictionary* Dictionary() = 0;
  virtual CUserAdaptation& Adaptation() = 0;
  // The keystroke synthesizer, which types into the application in front.
  virtual CKeyboard& Keystrokes() = 0;

  // Speaks through the profile's voice; returns the text spoken, empty when
  // nothing was (an empty text, or the voice "Nenhum").
  virtual std::string Speak(std::string_view text) = 0;
  // Shows the text in the preview window at the target's caret.
  virtual void ShowPreview(std::string_view text) = 0;
  // Writes an event to the log (nothing while logging is off).
  virtual void Record(const LogEvent& event) = 0;
  // The writing metrics, which count only while logging is on.
  virtual WritingMetrics& Metrics() = 0;

  // The program is about to synthesize this many key downs: their hook
  // reports are to count as the program's keys, not the user's.
  virtual void ExpectSynthesizedKeys(int32_t keyDowns) = 0;
  // Runs a prediction cycle now, so the keys show what follows the text.
  virtual void RunPredictionCycle() = 0;
};

}  // namespace vorelio
