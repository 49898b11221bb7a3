#include "prediction/SimulationText.h"

#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio {

namespace {

constexpr std::size_t kLinePieceLength = 499;

// Where a piece of at most kLinePieceLength characters of `rest` ends:
// after the last separator within it, unless the piece is the whole rest
// or holds no separator at all.
std::size_t PieceLength(std::string_view rest) {
  if (rest.size() <= kLinePieceLength) return rest.size();
  if (IsSeparator(rest[kLinePieceLength])) return kLinePieceLength;
  for (std::size_t i = kLinePieceLength; i > 0; --i)
    if (IsSeparator(rest[i - 1])) return i;
  return kLinePieceLength;
}

}  // namespace

std::vector<SimulationLine> SplitSimulationText(const std::string& text) {
  std::vector<SimulationLine> lines;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    SimulationLine words;
    while (!line.empty()) {
      // Pieces of 499 characters have at most 250 words, within the
      // splitter's 256.
      const std::size_t length = PieceLength(line);
      for (std::string& word : Split(line.substr(0, length), kSeparators))
        words.push_back(std::move(word));
      line.remove_prefix(length);
    }
    if (!words.empty()) lines.push_back(std::move(words));
  }
  return lines;
}

std::optional<std::vector<SimulationLine>> ReadSimulationText(FileSystem& files,
                                                              const std::string& path) {
  const auto contents = files.ReadFile(path);
  if (!contents) return std::nullopt;
  return SplitSimulationText(UserTextToCp1252(*contents));
}

}  // namespace vorelio
