// The text the word prediction simulator replays: a file a user hands in,
// UTF-8 or Windows-1252, cut into lines and each line into words at the
// separators.
//
// Lines are read up to 499 characters at a time, as the simulator always
// has; a longer line is cut only at a separator (the last one within those
// 499 characters), so no word is split, and its pieces stay one line: the
// previous word carries over and the next word of the line is still known.
// Only a run of 499 characters without any separator is cut inside itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace vorelio {

// The words of one line, Windows-1252, as written (capitals kept).
using SimulationLine = std::vector<std::string>;

// The lines of the file that hold at least one word, in order; nothing when
// the file cannot be read.
std::optional<std::vector<SimulationLine>> ReadSimulationText(FileSystem& files,
                                                              const std::string& path);

// The lines of text already in memory (Windows-1252).
std::vector<SimulationLine> SplitSimulationText(const std::string& text);

}  // namespace vorelio
