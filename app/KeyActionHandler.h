// Where the controller sends the presses of on-screen keys whose output is
// an action rather than text: another keyboard ("NAME.tec"), a program
// (".exe", ".com"), a key sequence ("{...}") or a command ("[...]"), as
// ClassifyKeyOutput tells them. The commands' executor implements it; the
// controller carries out the other outputs itself.
#pragma once

#include <string_view>

#include "app/KeyTrigger.h"
#include "keyboards/OnScreenKeyIdentifier.h"

namespace vorelio {

class KeyActionHandler {
 public:
  virtual ~KeyActionHandler() = default;
  // `output` is the key's output as stored, blanks included; `trigger` how
  // the key was set off (its Word() is the EVENT of the action's log line,
  // its Event() forms that line); `key` is where the key is.
  virtual void Run(std::string_view output, const KeyTrigger& trigger,
                   const COnScreenKeyIdentifier& key) = 0;
};

}  // namespace vorelio
