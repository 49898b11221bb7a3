// Reading of the line-oriented text files the program keeps, with the
// semantics of the C library's "%s" and "%d" conversions: "%s" skips white
// space and takes the following run of non-blank bytes, "%d" skips white
// space and takes an optional sign and at least one digit. NUL bytes count
// as white space, so a file with NULs is read like any other.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorelio {

bool IsScanSpace(char c);

// Scans one line (or any text) from left to right.
class LineScanner {
 public:
  explicit LineScanner(std::string_view text) : text_(text) {}
  // "%s": false (nothing consumed but blanks) at the end of the text.
  bool String(std::string_view& out);
  // "%d": false when no digits follow or the value does not fit in 32 bits.
  bool Int(int32_t& out);
  bool AtEnd();  // true when only blanks remain

 private:
  void SkipSpace();
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Splits file contents into lines at "\n" ("\r\n" line ends leave a "\r"
// that the scanner takes as white space).
class LineReader {
 public:
  explicit LineReader(std::string_view contents) : contents_(contents) {}
  // The next line without its "\n"; false at the end of the contents.
  bool Next(std::string_view& line);

 private:
  std::string_view contents_;
  std::size_t pos_ = 0;
};

// The line without the "\r" that a CRLF line end leaves.
std::string_view WithoutCarriageReturn(std::string_view line);

// Reads blank-separated tokens across line breaks, as a stream of triples
// is read.
class TokenReader {
 public:
  explicit TokenReader(std::string_view contents) : contents_(contents) {}
  // The next token; false at the end of the contents.
  bool Next(std::string_view& token);
  // Drops the rest of the current line, to get back in step after a
  // malformed record.
  void SkipLine();

 private:
  std::string_view contents_;
  std::size_t pos_ = 0;
};

// Parses a whole token as a signed 32-bit decimal number.
bool ParseInt32(std::string_view token, int32_t& out);

// a + b, held at the limits of int32 instead of overflowing.
int32_t SaturatingAdd(int32_t a, int32_t b);
// total - removed + added, held at the limits of int32.
int32_t SaturatingReplace(int32_t total, int32_t removed, int32_t added);

}  // namespace vorelio
