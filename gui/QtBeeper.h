// The scanning cue's beep: the desktop's bell.
#pragma once

#include "app/Beeper.h"

namespace vorelio {

class QtBeeper final : public Beeper {
 public:
  void Beep() override;
};

}  // namespace vorelio
