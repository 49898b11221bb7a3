#include "common/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vorelio {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F. The unassigned
// bytes map to the C1 control of the same value, so the mapping is total.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// Returns the Windows-1252 byte of a code point, or -1.
int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// bytes there are not a well-formed, shortest-form sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    length = 2;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    length = 3;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    length = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

bool IsSeparator(char c) { return kSeparators.find(c) != std::string_view::npos; }
bool IsTerminator(char c) { return kTerminators.find(c) != std::string_view::npos; }
bool IsWhiteSpace(char c) { return kWhiteSpace.find(c) != std::string_view::npos; }

char ToLowerCp1252(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A: return static_cast<char>(0x9A);  // Š
    case 0x8C: return static_cast<char>(0x9C);  // Œ
    case 0x8E: return static_cast<char>(0x9E);  // Ž
    case 0x9F: return static_cast<char>(0xFF);  // Ÿ
    default: return c;
  }
}

bool IsUpperCaseCp1252(char c) { return ToLowerCp1252(c) != c; }

bool IsLowerCaseCp1252(char c) { return ToUpperCp1252(c) != c || c == '\xDF'; }

char ToUpperCp1252(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
  }
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  ToLowerInPlace(out);
  return out;
}

std::string ToUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToUpperCp1252(c);
  return out;
}

void ToLowerInPlace(std::string& text) {
  for (char& c : text) c = ToLowerCp1252(c);
}

std::vector<std::string> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string> pieces;
  std::size_t i = 0;
  while (i < text.size() && pieces.size() < kMaxSplitPieces) {
    while (i < text.size() && separators.find(text[i]) != std::string_view::npos) ++i;
    const std::size_t start = i;
    while (i < text.size() && separators.find(text[i]) == std::string_view::npos) ++i;
    if (i > start) pieces.emplace_back(text.substr(start, i - start));
  }
  return pieces;
}

std::string NormalizeSentence(std::string_view text) {
  std::string out;
  NormalizeSentenceInto(text, out);
  return out;
}

void NormalizeSentenceInto(std::string_view text, std::string& out) {
  static const auto kLowerTable = [] {
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) table[byte] = ToLowerCp1252(static_cast<char>(byte));
    return table;
  }();
  // The result is never longer than the text: each blank it writes stands
  // for at least one blank read.
  out.resize(text.size());
  char* const begin = out.data();
  char* o = begin;
  bool inWhiteSpace = false;
  for (const char c : text) {
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
      inWhiteSpace = true;
      continue;
    }
    if (inWhiteSpace && o != begin) *o++ = ' ';
    inWhiteSpace = false;
    *o++ = kLowerTable[static_cast<unsigned char>(c)];
  }
  if (inWhiteSpace && o != begin) *o++ = ' ';
  out.resize(static_cast<std::size_t>(o - begin));
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kWhiteSpace);
  return text.substr(first, last - first + 1);
}

TextShape ShapeOfText(std::string_view text) {
  const bool hasTerminator = text.find_first_of(kTerminators) != std::string_view::npos;
  const std::size_t words = Split(text, kSeparators).size();
  if (hasTerminator && words >= 1) return TextShape::kSentence;
  if (!text.empty() && std::all_of(text.begin(), text.end(), IsTerminator)) {
    return TextShape::kPunctuation;
  }
  if (words == 1) return TextShape::kSingleWord;
  if (words > 1) return TextShape::kWordSequence;
  return TextShape::kNone;
}

bool IsPictogramWord(std::string_view word) {
  if (word.size() < 2 || word.front() != '[' || word.back() != ']') return false;
  return word.substr(1, word.size() - 2).find_first_of("[]") == std::string_view::npos;
}

std::vector<TextPart> SplitWordsAndPictograms(std::string_view text) {
  std::vector<TextPart> parts;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsSeparator(text[i])) {
      ++i;
      continue;
    }
    if (text[i] == '[') {
      const std::size_t close = text.find(']', i + 1);
      if (close != std::string_view::npos &&
          text.substr(i + 1, close - i - 1).find('[') == std::string_view::npos) {
        parts.push_back({std::string(text.substr(i, close - i + 1)), true});
        i = close + 1;
        continue;
      }
    }
    const std::size_t start = i;
    ++i;  // an unmatched "[" belongs to the word it starts
    while (i < text.size() && !IsSeparator(text[i]) && text[i] != '[') ++i;
    parts.push_back({std::string(text.substr(start, i - start)), false});
  }
  return parts;
}

bool HoldsPictogram(std::string_view text) {
  if (text.find('[') == std::string_view::npos) return false;
  for (const TextPart& part : SplitWordsAndPictograms(text))
    if (part.isPictogram) return true;
  return false;
}

std::string PictogramComparisonKey(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingSpace = false;
  for (char c : text) {
    if (c == '[' || c == ']') continue;
    if (IsWhiteSpace(c)) {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace) out += ' ';
    pendingSpace = false;
    out += c;
  }
  return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    std::size_t length = DecodeUtf8(text, i, cp);
    int byte = -1;
    if (length == 0) {
      length = 1;  // skip one malformed byte
    } else {
      byte = ByteOf(cp);
    }
    if (byte >= 0) {
      out += static_cast<char>(byte);
    } else if (replacement != 0) {
      out += replacement;
    }
    i += length;
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    const std::size_t length = DecodeUtf8(text, i, cp);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string UserTextToCp1252(std::string_view text) {
  bool hasNonAscii = false;
  for (char c : text) hasNonAscii |= static_cast<unsigned char>(c) >= 0x80;
  if (hasNonAscii && IsValidUtf8(text)) return Utf8ToCp1252(text);
  return std::string(text);
}

}  // namespace vorelio
