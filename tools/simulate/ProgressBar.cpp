#include "ProgressBar.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace vorelio {

ProgressBar::ProgressBar(int64_t total) : total_(total), enabled_(::isatty(STDERR_FILENO) == 1) {
  Draw();
}

ProgressBar::~ProgressBar() {
  if (enabled_ && lastPercent_ >= 0) std::fputc('\n', stderr);
}

void ProgressBar::Advance() {
  ++done_;
  Draw();
}

void ProgressBar::Draw() {
  if (!enabled_ || total_ <= 0) return;
  const int percent = static_cast<int>(done_ * 100 / total_);
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  constexpr int kWidth = 40;
  const int filled = percent * kWidth / 100;
  std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
               std::string(kWidth - filled, ' ').c_str(), percent);
  std::fflush(stderr);
}

}  // namespace vorelio
