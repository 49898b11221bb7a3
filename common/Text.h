// Text helpers shared by every part of the program.
//
// Strings inside the program are 8-bit Windows-1252 text held in std::string.
// UTF-8 appears only at the edges (terminal, files handed in by the user, X11,
// Qt, speech); the conversions below are the only place where the two meet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

// The start-of-text word: stands for "no previous word or sentence".
inline constexpr std::string_view kStartOfTextWord = "___";

// Characters that split text into words everywhere (prediction filters,
// learning, output targets, metrics), in Windows-1252:
// space , . : ) ( ; / ? ! « » " line feed, carriage return, tab.
inline constexpr std::string_view kSeparators = " ,.:)(;/?!\xAB\xBB\"\n\r\t";

// Characters that end a sentence.
inline constexpr std::string_view kTerminators = ".?!";

// White space as sentence normalisation and the file readers see it.
inline constexpr std::string_view kWhiteSpace = " \n\r\t";

// The string splitter never returns more pieces than this.
inline constexpr std::size_t kMaxSplitPieces = 256;

bool IsSeparator(char c);
bool IsTerminator(char c);
bool IsWhiteSpace(char c);

// Lower-cases one Windows-1252 character: A-Z, the accented capitals
// À..Þ (but not ×), and Š Œ Ž Ÿ. Every other byte is returned unchanged.
char ToLowerCp1252(char c);
// Upper-cases one Windows-1252 character, the inverse of ToLowerCp1252
// (ß and ÿ's capital Ÿ included; ß has no single-byte capital and stays).
char ToUpperCp1252(char c);
// The upper-case letters of Windows-1252: those ToLowerCp1252 changes.
bool IsUpperCaseCp1252(char c);
// The lower-case letters: those ToUpperCp1252 changes, and �.
bool IsLowerCaseCp1252(char c);
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
void ToLowerInPlace(std::string& text);

// Splits text at runs of any character of `separators`, dropping empty
// pieces. At most kMaxSplitPieces pieces are returned; the rest of the text
// is ignored.
std::vector<std::string> Split(std::string_view text, std::string_view separators);

// Collapses every run of white space into one space, removes leading white
// space (a trailing run leaves one trailing space) and lower-cases.
std::string NormalizeSentence(std::string_view text);
// The same into `out`, reusing its storage.
void NormalizeSentenceInto(std::string_view text, std::string& out);
// Removes leading and trailing white space.
std::string_view Trim(std::string_view text);

// What a text is, as key outputs, labels and suggestions are told apart:
// a sentence holds a terminator (. ? !) and at least one word (a piece
// between separators); punctuation is terminators only; otherwise one word
// is a single word and more a word sequence; anything else (empty, other
// separators only) is none.
enum class TextShape { kNone, kSingleWord, kWordSequence, kSentence, kPunctuation };
TextShape ShapeOfText(std::string_view text);

// True when `word` begins with "[", ends with "]" and holds no other bracket.
bool IsPictogramWord(std::string_view word);

// One part of a text that may mix words and bracketed pictograms.
struct TextPart {
  std::string text;  // the word, or the pictogram with its brackets
  bool isPictogram = false;
};
// Splits text into words (at the separators) and bracketed pictograms, in
// order. A pictogram runs from "[" to the next "]" and may hold spaces; a
// "[" with no "]" after it starts an ordinary word.
std::vector<TextPart> SplitWordsAndPictograms(std::string_view text);
// True when some part of the text is a pictogram.
bool HoldsPictogram(std::string_view text);
// The text with every "[" and "]" removed and white-space runs collapsed to
// single spaces, trimmed: how two pictogram names are compared.
std::string PictogramComparisonKey(std::string_view text);

// Converts Windows-1252 to UTF-8. Every byte has a character (the five
// unassigned bytes 0x81 0x8D 0x8F 0x90 0x9D map to the C1 controls).
std::string Cp1252ToUtf8(std::string_view text);
// Converts UTF-8 to Windows-1252. A character with no Windows-1252 byte
// becomes `replacement` (0 drops it); malformed sequences likewise.
std::string Utf8ToCp1252(std::string_view text, char replacement = '?');
// True when the bytes are well-formed UTF-8 (plain ASCII included).
bool IsValidUtf8(std::string_view text);
// Text a user hands in may be UTF-8 or Windows-1252: well-formed UTF-8 with
// at least one non-ASCII character is converted, anything else is taken as
// Windows-1252 already.
std::string UserTextToCp1252(std::string_view text);

}  // namespace vorelio
