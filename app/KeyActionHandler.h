// Where the controller first offers the output of an on-screen key that was
// set off: the handler carries out the outputs that are actions (another
// keyboard "NAME.tec", a program ".exe" / ".com", a key sequence "{...}", a
// command "[...]", as ClassifyKeyOutput tells them) and leaves the others,
// text and pictograms, to the controller, which writes them itself.
// KeyActionRunner is the controller's own handler.
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
  // True when the output was the handler's to carry out (whether or not it
  // could); false, having done nothing, for an output the controller writes.
  virtual bool Run(const KeyOutput& output, KeyTrigger trigger,
                   const COnScreenKeyIdentifier& key) = 0;
};

}  // namespace vorelio
