// What a replayed session shows a person, as UTF-8 text on a stream:
//
//   line 3: type Bom d          each step, as the script has it
//     editor: "Bom d|"          what the step changed: the text of the
//                               application in front, "|" at its caret
//                               (line feeds and tabs as \n and \t)
//     words: 1 dia | 2 dias     the suggestions on each kind of suggestion
//     sentences: -              key the keyboard has, numbered as the steps
//                               "word N" and "sentence N" count them ("-":
//                               every such key is empty)
//     spoken: dia               what the program did: texts spoken,
//     message: ...              messages shown, previews, beeps
//   end
//     editor: "Bom dia |"       every application's text at the end
//   event log generico ....log  and each event log, line by line
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "profiles/UserProfileOptions.h"
#include "tools/replay/ReplayScript.h"
#include "tools/replay/SimulatedProgram.h"

namespace vorelio {

class ReplayReport {
 public:
  // `out` must outlive the report.
  explicit ReplayReport(std::ostream& out) : out_(out) {}

  // What the session runs on and how time passes in it.
  void Opening(const std::string& dataFolder, const std::string& profile,
               const UserProfileOptions& options, int keyIntervalMs);
  void Step(const ReplayStep& step);
  // A remark on the step being run.
  void Note(const std::string& text);
  // What changed since the last call and what the program did meanwhile;
  // with `everything`, the text and the suggestions whether or not they
  // changed (the step "show").
  void Changes(SimulatedProgram& program, bool everything);
  // After the program was closed: the texts and the event logs.
  void Closing(SimulatedProgram& program);

 private:
  // What a person sees on the screen.
  struct Screen {
    std::string text;                      // the application in front, caret shown
    std::vector<std::string> suggestions;  // one line per kind of suggestion key
  };
  Screen Look(SimulatedProgram& program) const;

  std::ostream& out_;
  Screen last_;
};

// When suggestions come after the last key, as the prediction countdown
// runs: "1000-1100 ms (TEMPO_DE_PREDICAO 1000)".
std::string SuggestionDelay(const UserProfileOptions& options);

// A step as a script line says it: "type Bom d", "click 1.2.3 right".
std::string StepText(const ReplayStep& step);

}  // namespace vorelio
