// The system's simple beep, the audible cue of scanning
// (PISTA_SONORA_BEEP_VARRIMENTO). The GUI implements it; tests record it.
#pragma once

namespace vorelio {

class Beeper {
 public:
  virtual ~Beeper() = default;
  // Returns at once; the beep plays on its own.
  virtual void Beep() = 0;
};

}  // namespace vorelio
