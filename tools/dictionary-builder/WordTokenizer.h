// Cutting Windows-1252 text into the words and sentences a user writes.
//
// A word is a run of letters and digits; a hyphen or an apostrophe between
// two such characters stays inside it, so hyphenated compounds and
// verb+clitic forms ("disse-lhe", "dir-te-ia") are one word.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio::builder {

// Letters of Windows-1252: A-Z, a-z, the accented letters À..ÿ (not × ÷),
// Š Œ Ž š œ ž Ÿ.
bool IsLetterCp1252(char c);
// A letter or a digit.
bool IsWordCharacter(char c);

// The parts of a hyphenated word ("disse-lhe" -> "disse", "lhe"); a word
// without hyphens is its only part.
std::vector<std::string> SplitHyphens(const std::string& word);

// The words of a text, lower-cased, in order.
std::vector<std::string> SplitWords(std::string_view text);

// Cuts a paragraph into sentences. A sentence ends after a run of ".", "?",
// "!" (and "…") with the closing quotes or brackets that follow it, when the
// next character is white space, the end, a capital letter or an opening
// quote (sentences glued by text extraction: 'alto."Ui!"'). Sentences are
// trimmed; the terminators stay with their sentence.
std::vector<std::string> SplitSentences(std::string_view paragraph);

// The text with every word replaced by rewrite(word); the characters
// between words are kept. The words are passed as they are written.
std::string RewriteWords(std::string_view text,
                         const std::function<std::string(const std::string&)>& rewrite);

}  // namespace vorelio::builder
