// A private copy of a data folder in a new temporary folder, so that a
// replayed session or a benchmark never changes the user's files: the
// controller saves the profile's vocabulary and options when it closes, and
// writes its event log, into the copy. The copy goes away, with everything
// in it, when the object does.
#pragma once

#include <memory>
#include <string>

namespace vorelio {

class DataFolderCopy {
 public:
  // Copies every file and folder of `dataFolder` (a program path), links
  // followed, except the profiles' event logs ("*.log" at the top), which
  // nothing reads back. Nothing, with `error` saying why (Windows-1252),
  // when the temporary folder cannot be made or something cannot be
  // copied; what was copied is then removed.
  static std::unique_ptr<DataFolderCopy> Make(const std::string& dataFolder, std::string& error);
  ~DataFolderCopy();
  DataFolderCopy(const DataFolderCopy&) = delete;
  DataFolderCopy& operator=(const DataFolderCopy&) = delete;

  // The copy as a program path, ending in "/".
  const std::string& Path() const { return path_; }

 private:
  explicit DataFolderCopy(std::string nativePath);

  std::string nativePath_;
  std::string path_;
};

}  // namespace vorelio
