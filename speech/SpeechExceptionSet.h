// The text exceptions of one voice: whole texts that the voice says
// otherwise (an abbreviation, a name, a symbol), and their file.
//
// The file lies in the data folder as the voice's description followed by
// "_text_exceptions.txt" and holds one "text:replacement\n" line per
// exception, written in ascending byte order of the texts. So neither part
// can hold ":", and the text cannot be empty; a replacement may be (the
// exceptions dialog saves a new exception before its replacement is typed).
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vorelio {

class FileSystem;

inline constexpr std::string_view kSpeechExceptionsSuffix = "_text_exceptions.txt";

// The exceptions file of the voice `voiceName` in `dataFolder`. A "/" or
// "\\" of the description becomes "_" so that the file stays in the folder.
std::string SpeechExceptionsPath(std::string_view dataFolder, std::string_view voiceName);

class SpeechExceptionSet {
 public:
  using Entries = std::map<std::string, std::string, std::less<>>;

  // Whether the file can hold the pair and give it back: a text that is not
  // empty, neither part holding ":", a line feed or a NUL, and a
  // replacement that does not end with a carriage return (the reader takes
  // that for a CRLF line end).
  static bool CanHold(std::string_view text, std::string_view replacement);

  // Adds the lines of file contents to the set. A line is cut at a NUL and
  // loses the "\r" of a CRLF line end; then it is taken when, with its line
  // end, it splits at runs of ":" into exactly two non-empty pieces: the
  // text, and the replacement with the line end removed. So "Sr.:Senhor" and
  // "Sr.::Senhor" give "Sr." -> "Senhor", "Sr.:" gives "Sr." -> "", and
  // "a:b:c", "a:b:", ":b" and lines without ":" are ignored. Lines of any
  // length are read whole. A later line for the same text replaces the
  // earlier one.
  void ReadFrom(std::string_view contents);
  // The file contents for the set, one "text:replacement\n" line per entry.
  std::string Text() const;

  // Reads `path` into an empty set. A missing file is created empty; one
  // that cannot be read leaves the set empty.
  void Load(FileSystem& files, const std::string& path);
  // Writes the set to `path`, replacing the file through a temporary file
  // so that a failure leaves the old one whole. False when it could not be
  // written (a read-only file, a full disk).
  bool Save(FileSystem& files, const std::string& path) const;

  // Adds the pair or replaces the replacement of the text. Refuses (false,
  // nothing changed) a pair the file cannot hold (CanHold).
  bool Set(std::string_view text, std::string_view replacement);
  // Removes the text; false when it was not there.
  bool Remove(std::string_view text);
  // The replacement of exactly `text` (case-sensitive), or nullptr.
  const std::string* Replacement(std::string_view text) const;
  void Clear() { entries_.clear(); }

  // The pairs in ascending byte order of the texts.
  Entries::const_iterator begin() const { return entries_.begin(); }
  Entries::const_iterator end() const { return entries_.end(); }
  std::size_t Size() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }

  bool operator==(const SpeechExceptionSet&) const = default;

 private:
  Entries entries_;
};

}  // namespace vorelio
