// CUserProfileProperties: the options record of one user profile, with the
// name, files and keyboard that go with it, and its options file.
//
// The options file holds one "KEY value" line per option, all 99 in the
// order of UserProfileOptionTable.h. Reading accepts any order, any subset,
// unknown keys (ignored) and repeated keys (the last one wins), and never
// fails.
#pragma once

#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "profiles/UserProfileOptions.h"

namespace vorelio {

class CUserProfileProperties {
 public:
  // The defaults of every option; empty name, path and folder; keyboard in
  // use "QwertySimples".
  CUserProfileProperties();

  // The 99 options, read and written by the options file. Prediction takes
  // them as the PredictionOptions they derive from.
  UserProfileOptions options;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  // Where the options were last read from and are written back to.
  const std::string& OptionsFilePath() const { return optionsFilePath_; }
  void SetOptionsFilePath(std::string path) { optionsFilePath_ = std::move(path); }
  // The folder of every profile file, ending in a path separator.
  const std::string& DataFolder() const { return dataFolder_; }
  void SetDataFolder(std::string folder) { dataFolder_ = std::move(folder); }
  // The on-screen keyboard that is open; reading NOME_TECLADO sets it too.
  // Never written to the options file.
  const std::string& KeyboardInUse() const { return keyboardInUse_; }
  void SetKeyboardInUse(std::string keyboard) { keyboardInUse_ = std::move(keyboard); }

  // Remembers `path` as the options file path and reads the file into the
  // options. A file that cannot be opened changes nothing else. Never fails.
  void Read(FileSystem& files, const std::string& path);
  // Reads options from file contents: each line's first word is the key,
  // the rest its value (see ReadOptionValue). A line of any length is read
  // whole, so a long value (many Bluetooth tags) comes back as written and
  // its tail is never taken for a line of its own. CRLF line ends and blank
  // lines are fine.
  void ReadFrom(std::string_view contents);
  // The file contents: the 99 lines in table order.
  std::string Contents() const;
  // Writes the 99 lines to `path` through a temporary file and a rename.
  // False, with the previous file intact, when it cannot be written.
  bool Write(FileSystem& files, const std::string& path) const;

  // The time intervals of a weekday, 1 = Sunday to 7 = Saturday; empty for
  // any other number.
  std::string TimeIntervals(int weekday) const;

  // By file key, for command-line tools. SetOption takes the value as the
  // file writes it ("Times;;;New;;;Roman"; spaces are accepted too) and
  // parses it strictly: false, changing nothing, for an unknown key or a
  // value not of the option's type (not a whole number, a blank inside a
  // single-word option). GetOption gives the value as the file writes it,
  // or an empty string for an unknown key.
  bool SetOption(std::string_view key, std::string_view value);
  std::string GetOption(std::string_view key) const;

  bool operator==(const CUserProfileProperties&) const = default;

 private:
  std::string name_;
  std::string optionsFilePath_;
  std::string dataFolder_;
  std::string keyboardInUse_ = "QwertySimples";
};

}  // namespace vorelio
