// Reading of a word frequency list: lines "word count", UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

struct WordCount {
  std::string word;  // as read (UTF-8)
  int64_t count = 0;
};

// One entry per line that holds a word, one blank and a positive count, in
// file order; other lines are skipped. CR before LF is ignored.
std::vector<WordCount> ReadFrequencyList(std::string_view contents);

// The lines of a plain list (one entry per line, CRLF or LF), without the
// empty ones.
std::vector<std::string> ReadLines(std::string_view contents);

}  // namespace vorelio::builder
