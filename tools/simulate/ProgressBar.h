// A one-line progress bar on standard error, drawn only when standard error
// is a terminal, redrawn at most once per whole percent.
#pragma once

#include <cstdint>

namespace vorelio {

class ProgressBar {
 public:
  explicit ProgressBar(int64_t total);
  ~ProgressBar();  // ends the line
  void Advance();

 private:
  void Draw();
  int64_t total_;
  int64_t done_ = 0;
  int lastPercent_ = -1;
  bool enabled_;
};

}  // namespace vorelio
