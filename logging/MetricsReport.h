// The metrics block: the writing metrics of a logging period as lines of a
// name, one space and a value, in their fixed order. The event log appends
// them after "$$$ End Body"; the metrics dialog shows them.
//
// Counts are written as integers, times as whole seconds, and derived
// values (means and savings) with six decimals, "." as the decimal point
// whatever the locale; a derived value whose divisor is below 1 is written
// as its name and " -".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logging/FinalText.h"
#include "logging/WritingMetrics.h"

namespace vorelio {

struct WritingTimes {
  int64_t totalSeconds = 0;      // since the period started
  int64_t effectiveSeconds = 0;  // of it, while the writing clock ran
};

// `qwertyKeystrokes` is the key presses of typing the final text on a
// physical keyboard; it is given only when the internal message editor
// exists, and only then are the four lines that compare with it written.
std::vector<std::string> MetricsLines(const WritingCounters& counters, const WritingTimes& times,
                                      const FinalTextMeasures& finalText,
                                      std::optional<int32_t> qwertyKeystrokes);

}  // namespace vorelio
