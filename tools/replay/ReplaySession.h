// Runs the steps of a replay script on the simulated program, as a person
// would do them, and reports each step and what it changed (ReplayReport).
//
// Time passes as a person takes it: kReplayKeyIntervalMs after each
// character typed, each key, each click of an on-screen key and each switch
// action, so that the controller sees typing, not a paste: a prediction
// delay (TEMPO_DE_PREDICAO) longer than that runs no prediction while the
// person types, and "wait" adds the pauses. "app" waits until the program
// has made the application its target, as a person waits for the
// suggestions to follow them (about 500 ms). A switch "press" holds the
// switch until scanning takes it: the profile's switch latency
// (LATENCIA_INTERRUPTORES_VARRIMENTO, in whole ticks) and one tick more.
#pragma once

#include <string>

#include "tools/replay/ReplayReport.h"
#include "tools/replay/ReplayScript.h"
#include "tools/replay/SimulatedProgram.h"

namespace vorelio {

inline constexpr int kReplayKeyIntervalMs = 150;

class ReplaySession {
 public:
  // Both must outlive the session.
  ReplaySession(SimulatedProgram& program, ReplayReport& report)
      : program_(program), report_(report) {}

  // Runs the steps in order, reporting each. Stops at the first step that
  // cannot be carried out and returns why (Windows-1252), as "line N: ...";
  // empty when every step ran. A step that cannot be carried out changes
  // nothing.
  std::string Run(const ReplayScript& script);

 private:
  // Each returns why the step cannot be carried out, or an empty text.
  std::string Perform(const ReplayStep& step);
  std::string Application(const ReplayStep& step);
  std::string Type(const ReplayStep& step);
  std::string Key(const ReplayStep& step);
  std::string Click(const ReplayStep& step);
  std::string Suggestion(const ReplayStep& step);
  std::string Switch(const ReplayStep& step);
  std::string NeedsApplicationInFront() const;
  void Press(const COnScreenKeyIdentifier& key, MouseButton button);

  SimulatedProgram& program_;
  ReplayReport& report_;
};

}  // namespace vorelio
