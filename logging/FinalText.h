// The final text of a logging period and what the metrics measure in it.
//
// The final text is a list of pieces: the lines the controller kept during
// the period, then, when the internal message editor exists, the editor's
// whole text. A piece may hold line breaks (the editor's text does).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

struct FinalTextMeasures {
  int32_t characters = 0;  // without "[", "]" and carriage returns
  int32_t words = 0;       // without "[" and "]", parts between separators
  int32_t sentences = 0;   // runs of ".", "?" and "!", each counting once
  int32_t pictograms = 0;  // bracketed pictograms ("[casa]")

  bool operator==(const FinalTextMeasures&) const = default;
};

// Sums the measures over the pieces.
FinalTextMeasures MeasureFinalText(const std::vector<std::string>& pieces);

// The words of a text: its parts between separators (common/Text.h).
int32_t CountWords(std::string_view text);
// The parts of a text between ".", "?" and "!" that hold more than blanks:
// the sentences of a whole message spoken at once.
int32_t CountSentenceParts(std::string_view text);

// The key presses of a text on a physical keyboard (CKeyboard::KeystrokeCost).
using KeystrokeCost = int32_t (*)(std::string_view text);
// The key presses of typing the final text, each piece counted on its own
// with its pictogram brackets removed.
int32_t QwertyKeystrokes(const std::vector<std::string>& pieces, KeystrokeCost cost);

// The log's last lines: "Linha_Texto_Final " and one line of the final
// text, for every line of every piece. Line breaks (CR LF, LF or CR) split
// a piece into lines; a piece without one is one line, an empty one too.
std::vector<std::string> FinalTextLogLines(const std::vector<std::string>& pieces);

}  // namespace vorelio
