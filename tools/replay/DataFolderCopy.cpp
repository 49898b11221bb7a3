#include "tools/replay/DataFolderCopy.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "common/NativePath.h"

namespace vorelio {

namespace fs = std::filesystem;

namespace {

// Copies the entries of `from` into the existing folder `to`; the first
// failure, or an empty text.
std::string CopyEntries(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::recursive_directory_iterator entries(from, fs::directory_options::follow_directory_symlink,
                                           error);
  for (; !error && entries != fs::recursive_directory_iterator(); entries.increment(error)) {
    const fs::path& source = entries->path();
    const fs::path target = to / source.lexically_relative(from);
    if (entries->is_directory(error)) {
      fs::create_directory(target, error);
    } else if (entries->is_regular_file(error)) {
      if (entries.depth() == 0 && source.extension() == ".log") continue;
      fs::copy_file(source, target, error);
    }
    if (error) return ProgramPath(source.string()) + ": " + error.message();
  }
  return error ? ProgramPath(from.string()) + ": " + error.message() : std::string();
}

}  // namespace

std::unique_ptr<DataFolderCopy> DataFolderCopy::Make(const std::string& dataFolder,
                                                     std::string& error) {
  std::error_code ignored;
  std::string pattern = (fs::temp_directory_path(ignored) / "predarin-replay-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    error = "cannot make a temporary folder for the copy of the data folder";
    return nullptr;
  }
  std::unique_ptr<DataFolderCopy> copy(new DataFolderCopy(pattern));
  std::string source = NativePath(dataFolder);
  while (source.size() > 1 && source.back() == '/') source.pop_back();
  error = CopyEntries(source, pattern);
  if (!error.empty()) {
    error = "cannot copy the data folder: " + error;
    return nullptr;
  }
  return copy;
}

DataFolderCopy::DataFolderCopy(std::string nativePath)
    : nativePath_(std::move(nativePath)), path_(ProgramPath(nativePath_) + "/") {}

DataFolderCopy::~DataFolderCopy() {
  std::error_code ignored;
  fs::remove_all(nativePath_, ignored);
}

}  // namespace vorelio
