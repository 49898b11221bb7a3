// The script of a replayed session: what a person does, one step a line.
//
//   # a comment; blank lines are skipped
//   app NAME                 the application in front: a new one is made the
//                            first time a name is used; later, it is focused
//   type TEXT                types TEXT (the rest of the line, as it stands)
//                            into the application in front, key by key
//   key NAME                 taps a named key: Enter, BkSp, Tab, Space, Shift,
//                            Esquerda, Direita, Cima, Baixo, F1-F12, a-z, 0-9
//   click L.G.K [right|middle]   clicks the on-screen key at line L, group G,
//                            key K (from 0) with the left button, or another
//   word N / sentence N      clicks the N-th word (sentence) suggestion key of
//                            the keyboard, from 1
//   switch S down|up|press   switch 1 or 2 goes down, up, or both
//   wait MS                  time passes: MS milliseconds of 100 ms ticks
//   show                     prints the text and the suggestions at this point
//
// Scripts may be UTF-8 or Windows-1252; texts are Windows-1252 once read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/MouseButton.h"
#include "keyboards/OnScreenKeyIdentifier.h"

namespace vorelio {

enum class ReplayAction {
  kApplication,
  kType,
  kKey,
  kClick,
  kWordSuggestion,
  kSentenceSuggestion,
  kSwitchDown,
  kSwitchUp,
  kSwitchPress,
  kWait,
  kShow,
};

struct ReplayStep {
  ReplayAction action = ReplayAction::kShow;
  int line = 0;            // the script line it came from, from 1
  std::string text;        // application name, text typed, key name
  int number = 0;          // suggestion from 1, switch 1 or 2, milliseconds
  COnScreenKeyIdentifier key;
  MouseButton button = MouseButton::kLeft;
};

struct ReplayScript {
  std::vector<ReplayStep> steps;
  // Empty when the whole script was understood; otherwise what is wrong,
  // "line N: ...", and no steps.
  std::string error;
};

ReplayScript ParseReplayScript(std::string_view script);

}  // namespace vorelio
