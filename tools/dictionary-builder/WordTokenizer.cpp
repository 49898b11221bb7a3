#include "tools/dictionary-builder/WordTokenizer.h"

#include "common/Text.h"

namespace vorelio::builder {
namespace {

bool IsInnerJoiner(char c) { return c == '-' || c == '\'' || c == '\x92'; }

bool IsTerminatorOrEllipsis(char c) { return IsTerminator(c) || c == '\x85'; }

bool IsClosing(char c) {
  return c == '"' || c == '\x94' || c == '\xBB' || c == ')' || c == '\'' || c == '\x92';
}

bool IsOpeningQuote(char c) { return c == '"' || c == '\x93' || c == '\xAB'; }

bool IsCapital(char c) {
  return IsLetterCp1252(c) && ToLowerCp1252(c) != c;
}

// Calls visit(start, length) for every word of the text.
template <class Visit>
void ForEachWord(std::string_view text, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsWordCharacter(text[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size()) {
      if (IsWordCharacter(text[i])) {
        ++i;
      } else if (IsInnerJoiner(text[i]) && i + 1 < text.size() && IsWordCharacter(text[i + 1])) {
        i += 2;
      } else {
        break;
      }
    }
    visit(start, i - start);
  }
}

}  // namespace

bool IsLetterCp1252(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) return true;
  if (u >= 0xC0 && u != 0xD7 && u != 0xF7) return true;
  return u == 0x8A || u == 0x8C || u == 0x8E || u == 0x9A || u == 0x9C || u == 0x9E ||
         u == 0x9F;
}

bool IsWordCharacter(char c) { return IsLetterCp1252(c) || (c >= '0' && c <= '9'); }

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  ForEachWord(text, [&](std::size_t start, std::size_t length) {
    words.push_back(ToLower(text.substr(start, length)));
  });
  return words;
}

std::string RewriteWords(std::string_view text,
                         const std::function<std::string(const std::string&)>& rewrite) {
  std::string out;
  std::size_t copied = 0;
  ForEachWord(text, [&](std::size_t start, std::size_t length) {
    out.append(text.substr(copied, start - copied));
    out += rewrite(std::string(text.substr(start, length)));
    copied = start + length;
  });
  out.append(text.substr(copied));
  return out;
}

std::vector<std::string> SplitSentences(std::string_view paragraph) {
  std::vector<std::string> sentences;
  std::size_t start = 0;
  auto emit = [&](std::size_t end) {
    const std::string_view sentence = Trim(paragraph.substr(start, end - start));
    if (!sentence.empty()) sentences.emplace_back(sentence);
    start = end;
  };
  std::size_t i = 0;
  while (i < paragraph.size()) {
    if (!IsTerminatorOrEllipsis(paragraph[i])) {
      ++i;
      continue;
    }
    while (i < paragraph.size() && IsTerminatorOrEllipsis(paragraph[i])) ++i;
    // Closing quotes and brackets belong to the sentence, unless a straight
    // quote directly opens the next one ('."Ui').
    while (i < paragraph.size() && IsClosing(paragraph[i])) {
      const bool opensNext = paragraph[i] == '"' && i + 1 < paragraph.size() &&
                             IsWordCharacter(paragraph[i + 1]);
      if (opensNext) break;
      ++i;
    }
    if (i == paragraph.size() || IsWhiteSpace(paragraph[i]) || IsCapital(paragraph[i]) ||
        IsOpeningQuote(paragraph[i]) || paragraph[i] == '-' || paragraph[i] == '\x97' ||
        paragraph[i] == '\x96') {
      emit(i);
    }
  }
  emit(paragraph.size());
  return sentences;
}

std::vector<std::string> SplitHyphens(const std::string& word) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t dash = word.find('-', start);
    parts.push_back(word.substr(start, dash == std::string::npos ? dash : dash - start));
    if (dash == std::string::npos) break;
    start = dash + 1;
  }
  return parts;
}

}  // namespace vorelio::builder
