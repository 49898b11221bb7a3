// Where the controller sends the presses of on-screen keys whose output is
// an action rather than text: another keyboard ("NAME.tec"), a program
// (".exe", ".com"), a key sequence ("{...}") or a command ("[...]"), as
// ClassifyKeyOutput tells them. KeyActionRunner carries them out; the
// controller writes the other outputs itself.
#pragma once

#include "keyboards/KeyOutput.h"
#include "keyboards/OnScreenKeyIdentifier.h"
#include "logging/EventWords.h"

namespace vorelio {

class KeyActionHandler {
 public:
  virtual ~KeyActionHandler() = default;
  // `output` is the key's output classified; `trigger` how the key was
  // selected (a left click or a scanning switch action); `key` where it is.
  virtual void Run(const KeyOutput& output, KeyTrigger trigger,
                   const COnScreenKeyIdentifier& key) = 0;
};

}  // namespace vorelio
