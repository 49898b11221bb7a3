#include "prediction/TextFileLearner.h"

#include <vector>

#include "common/Scanner.h"
#include "common/Text.h"

namespace vorelio {
namespace {

// A line is split in pieces of at most this many characters, each ending at
// a separator, so that Split (which stops after kMaxSplitPieces words) sees
// at most 250 words at a time and no word is cut. Lines of any length are
// therefore learned whole.
constexpr std::size_t kLinePiece = 500;
static_assert(kLinePiece / 2 <= kMaxSplitPieces);

// Every word of one line, lower-cased, in order.
std::vector<std::string> WordsOfLine(std::string_view line) {
  std::vector<std::string> words;
  while (!line.empty()) {
    std::size_t cut = line.size();
    if (cut > kLinePiece) {
      cut = line.find_last_of(kSeparators, kLinePiece - 1);
      // No separator in reach: one over-long word, which the dictionary
      // ignores; it runs to the next separator.
      if (cut == std::string_view::npos) cut = line.find_first_of(kSeparators, kLinePiece);
      cut = cut == std::string_view::npos ? line.size() : cut + 1;
    }
    for (std::string& word : Split(line.substr(0, cut), kSeparators)) {
      ToLowerInPlace(word);
      words.push_back(std::move(word));
    }
    line.remove_prefix(cut);
  }
  return words;
}

// The sentences of the text in order, each with its terminators; those that
// are empty once normalised are left out.
std::vector<std::string_view> SentencesOf(std::string_view text) {
  std::vector<std::string_view> sentences;
  const auto finish = [&](std::size_t begin, std::size_t end) {
    const std::string_view sentence = text.substr(begin, end - begin);
    if (!Trim(sentence).empty()) sentences.push_back(sentence);
  };
  std::size_t begin = 0;
  bool afterTerminator = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool terminator = IsTerminator(text[i]);
    if (afterTerminator && !terminator) {
      finish(begin, i);
      begin = i;
    }
    afterTerminator = terminator;
  }
  finish(begin, text.size());
  return sentences;
}

}  // namespace

void LearnWordsFromText(CDictionary& dictionary, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  while (lines.Next(line))
    for (const std::string& word : WordsOfLine(line)) dictionary.AddUserWord(word, 1);
}

void LearnWordPairsFromText(CDictionary& dictionary, std::string_view text) {
  LineReader lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    const std::vector<std::string> words = WordsOfLine(line);
    for (std::size_t i = 1; i < words.size(); ++i)
      dictionary.AddUserWordPair(words[i - 1], words[i], 1);
  }
}

void LearnSentencesFromText(CDictionary& dictionary, std::string_view text) {
  for (const std::string_view sentence : SentencesOf(text)) dictionary.AddUserSentence(sentence, 1);
}

void LearnSentencePairsFromText(CDictionary& dictionary, std::string_view text) {
  const std::vector<std::string_view> sentences = SentencesOf(text);
  for (std::size_t i = 1; i < sentences.size(); ++i)
    dictionary.AddUserSentencePair(sentences[i - 1], sentences[i], 1);
}

void LearnFromText(CDictionary& dictionary, std::string_view text) {
  LearnWordsFromText(dictionary, text);
  LearnWordPairsFromText(dictionary, text);
  LearnSentencesFromText(dictionary, text);
  LearnSentencePairsFromText(dictionary, text);
}

bool LearnFromTextFile(CDictionary& dictionary, const std::string& path) {
  const auto contents = dictionary.Files().ReadFile(path);
  if (!contents) return false;
  LearnFromText(dictionary, UserTextToCp1252(*contents));
  return true;
}

}  // namespace vorelio
