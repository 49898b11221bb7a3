// One event of the event log, as the controller hands it to the log: the
// fields of its line that depend on the event. The log adds the time, the
// page (the on-screen keyboard in use) and the context (the message text
// before the event). Build events with the helpers of EventCatalogue.h.
#pragma once

#include <string>

namespace vorelio {

struct LogEvent {
  std::string output;   // the text the event wrote; empty when it wrote none
  std::string event;    // EVENT: what happened ("NEW_WORD", "CHAR_a"...)
  std::string type;     // TYPE: the element or operation connected to it
  std::string element;  // ELEMENT: the on-screen position ("2.1.5"); empty: does not apply
  std::string center;   // CENTER: the key centre on the screen ("412.630"); empty: does not apply

  bool operator==(const LogEvent&) const = default;
};

// Where an on-screen key is, for ELEMENT and CENTER.
struct KeyPlace {
  std::string element;  // the key's position, COnScreenKeyIdentifier::Text() ("2.1.5")
  int centerX = 0;      // the key's centre in screen coordinates
  int centerY = 0;
};

}  // namespace vorelio
