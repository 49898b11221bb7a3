// CAbbreviationExpansionSet: a profile's abbreviations, short codes the user
// types and expands into a longer text, and their ".abr" file.
//
// An abbreviation is one word without white space, compared exactly
// (case-sensitively); its expansion is any one-line text. The file holds one
// "abbreviation expansion\n" line per entry, written in ascending byte order
// of the abbreviations so that the same set always gives the same file.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace vorelio {

class CAbbreviationExpansionSet {
 public:
  using Entries = std::map<std::string, std::string, std::less<>>;

  // Saves unsaved changes to the remembered file before the set is
  // replaced, then remembers `files` and `path` and reads it. A missing or unreadable
  // file leaves the set empty, silently. Not modified afterwards.
  void Load(FileSystem& files, const std::string& path);
  // Reads file contents into the set, line by line: the first word, then
  // the rest of the line after the white space that follows it, kept as it
  // stands (only the "\r" of a CRLF line end is dropped; a NUL ends the
  // line, as it ends a C string). Lines of any length are read whole. Lines
  // without both parts are skipped; a later line for the same abbreviation
  // replaces the earlier one.
  void ReadFrom(std::string_view contents);

  // Writes the file when the set was modified and a path is remembered
  // (through a temporary file and a rename, so the old file survives any
  // failure) and clears the modified flag. Returns true when nothing needed
  // writing or the write succeeded; false, with the flag still set, when
  // the file could not be written or no file was ever loaded.
  bool Save();
  // The file contents Save writes: one "abbreviation expansion\n" line per
  // entry, in ascending order of the abbreviations.
  std::string Text() const;

  // Adds the pair, replacing any expansion of the abbreviation, and marks
  // the set modified. Refuses (false, nothing changed) what the file could
  // not give back: an empty abbreviation or one holding white space, an
  // empty expansion, one that begins with white space, holds a line feed or
  // a NUL, or ends with a carriage return.
  bool Set(std::string_view abbreviation, std::string_view expansion);
  // Removes the abbreviation if present; marks the set modified either way.
  void Remove(std::string_view abbreviation);
  // The expansion of exactly `abbreviation`, or nullptr.
  const std::string* Expansion(std::string_view abbreviation) const;

  // Empties the set and forgets the path and the modified flag, without
  // saving.
  void Clear();

  // The pairs in ascending order of the abbreviation.
  Entries::const_iterator begin() const { return entries_.begin(); }
  Entries::const_iterator end() const { return entries_.end(); }
  std::size_t Size() const { return entries_.size(); }
  bool Modified() const { return modified_; }
  const std::string& Path() const { return path_; }

 private:
  Entries entries_;
  FileSystem* files_ = nullptr;  // where the file was loaded from
  std::string path_;
  bool modified_ = false;
};

}  // namespace vorelio
