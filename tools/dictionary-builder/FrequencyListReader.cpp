#include "tools/dictionary-builder/FrequencyListReader.h"

#include "common/Scanner.h"

#include <charconv>

namespace vorelio::builder {

std::vector<std::string> ReadLines(std::string_view contents) {
  std::vector<std::string> lines;
  LineReader reader(contents);
  std::string_view rawLine;
  while (reader.Next(rawLine)) {
    const std::string_view line = WithoutCarriageReturn(rawLine);
    if (!line.empty()) lines.emplace_back(line);
  }
  return lines;
}

std::vector<WordCount> ReadFrequencyList(std::string_view contents) {
  std::vector<WordCount> entries;
  for (const std::string& line : ReadLines(contents)) {
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string::npos || blank == 0) continue;
    int64_t count = 0;
    const char* first = line.data() + blank + 1;
    const char* last = line.data() + line.size();
    const auto [end, error] = std::from_chars(first, last, count);
    if (error != std::errc() || end != last || count <= 0) continue;
    const std::string word = line.substr(0, blank);
    if (word.find(' ') != std::string::npos) continue;
    entries.push_back({word, count});
  }
  return entries;
}

}  // namespace vorelio::builder
