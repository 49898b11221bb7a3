// A countdown of the controller's 100 ms timer: stopped, or counting the
// milliseconds since it was started. At each tick it is compared with its
// threshold: on equality it fires, otherwise it advances by 100. Started at
// 0 with a threshold of 300 it fires on the fourth tick, between 300 and
// 400 ms later. A threshold that is not a multiple of 100 is rounded up to
// the next one, and a negative one counts as 0, so that every threshold is
// reached.
#pragma once

#include <cstdint>

namespace vorelio {

class Countdown {
 public:
  void Start() { elapsedMs_ = 0; }
  void Stop() { elapsedMs_ = -1; }
  bool Running() const { return elapsedMs_ >= 0; }

  // One tick: true when the countdown fires. It then stays where it is;
  // its owner stops or restarts it. A stopped countdown never fires.
  bool Tick(int32_t thresholdMs);

 private:
  int64_t elapsedMs_ = -1;
};

}  // namespace vorelio
