// Reading of a CoNLL-U treebank as the words a user types.
//
// Contractions are split into syntactic words in CoNLL-U ("8-9 da" over
// "8 de" and "9 a"); the reader keeps the surface form of the range line and
// skips the words it covers, giving the token the joined classes of those
// words ("ADP+DET"). Verb+clitic forms ("disse-lhe") come out whole the same
// way. Text stays as read (UTF-8).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

struct TreebankToken {
  std::string surface;     // as written, original case
  std::string wordClass;   // UPOS, or UPOS joined with "+" for a range
  bool spaceAfter = true;  // false with SpaceAfter=No
};

struct TreebankSentence {
  std::string id;    // "# sent_id"
  std::string text;  // "# text", the sentence as written
  std::vector<TreebankToken> tokens;
};

struct TreebankDocument {
  std::string id;  // "# newdoc_id"; sentences before any such line get ""
  std::vector<TreebankSentence> sentences;
};

// Parses the whole file contents. Malformed token lines are skipped; empty
// nodes ("8.1") are ignored. Documents appear in file order.
std::vector<TreebankDocument> ReadConllu(std::string_view contents);

// True for the classes that are punctuation or symbols, not words.
bool IsPunctuationClass(std::string_view wordClass);

}  // namespace vorelio::builder
