#include "logging/FinalText.h"

#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio {
namespace {

constexpr std::string_view kFinalTextLinePrefix = "Linha_Texto_Final ";

std::string WithoutBrackets(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text)
    if (c != '[' && c != ']') out += c;
  return out;
}

int32_t CountCharactersButCarriageReturns(std::string_view text) {
  int32_t count = 0;
  for (const char c : text)
    if (c != '\r') ++count;
  return count;
}

int32_t CountSentenceEnds(std::string_view text) {
  int32_t count = 0;
  bool afterTerminator = false;
  for (const char c : text) {
    if (IsTerminator(c) && !afterTerminator) ++count;
    afterTerminator = IsTerminator(c);
  }
  return count;
}

int32_t CountPictograms(std::string_view text) {
  if (text.find('[') == std::string_view::npos) return 0;
  int32_t count = 0;
  for (const TextPart& part : SplitWordsAndPictograms(text))
    if (part.isPictogram) ++count;
  return count;
}

// The parts of `text` between boundary characters that hold more than
// blanks.
int32_t CountParts(std::string_view text, bool (*isBoundary)(char)) {
  int32_t count = 0;
  bool inPart = false;
  for (const char c : text) {
    if (isBoundary(c)) {
      inPart = false;
    } else if (!inPart && !IsWhiteSpace(c)) {
      inPart = true;
      ++count;
    }
  }
  return count;
}

}  // namespace

int32_t CountWords(std::string_view text) { return CountParts(text, IsSeparator); }

int32_t CountSentenceParts(std::string_view text) { return CountParts(text, IsTerminator); }

FinalTextMeasures MeasureFinalText(const std::vector<std::string>& pieces) {
  FinalTextMeasures measures;
  for (const std::string& piece : pieces) {
    const std::string text = WithoutBrackets(piece);
    measures.characters =
        SaturatingAdd(measures.characters, CountCharactersButCarriageReturns(text));
    measures.words = SaturatingAdd(measures.words, CountWords(text));
    measures.sentences = SaturatingAdd(measures.sentences, CountSentenceEnds(text));
    measures.pictograms = SaturatingAdd(measures.pictograms, CountPictograms(piece));
  }
  return measures;
}

int32_t QwertyKeystrokes(const std::vector<std::string>& pieces, KeystrokeCost cost) {
  int32_t total = 0;
  for (const std::string& piece : pieces)
    total = SaturatingAdd(total, cost(WithoutBrackets(piece)));
  return total;
}

std::vector<std::string> FinalTextLogLines(const std::vector<std::string>& pieces) {
  std::vector<std::string> lines;
  for (const std::string_view piece : pieces) {
    std::size_t start = 0;
    while (true) {
      const std::size_t end = piece.find_first_of("\r\n", start);
      lines.push_back(std::string(kFinalTextLinePrefix) +
                      std::string(piece.substr(start, end - start)));
      if (end == std::string_view::npos) break;
      start = end + (piece.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
  }
  return lines;
}

}  // namespace vorelio
