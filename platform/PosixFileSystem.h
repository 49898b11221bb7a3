// The files of the Linux file system. Program paths are turned into native
// names (UTF-8, "/" separators) at every call; names read from folders and
// links come back as program paths. Holds no state: one object serves every
// thread.
#pragma once

#include "platform/FileSystem.h"

namespace vorelio {

class PosixFileSystem final : public FileSystem {
 public:
  std::optional<std::string> ReadFile(const std::string& path) override;
  std::unique_ptr<WritableFile> CreateNewFile(const std::string& path,
                                              const FileStatus* modelledOn,
                                              CreateOutcome* outcome) override;
  std::unique_ptr<WritableFile> OpenForAppend(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  CreateOutcome CreateFolder(const std::string& path) override;
  std::optional<FileStatus> Status(const std::string& path) override;
  std::optional<std::string> ReadLink(const std::string& path) override;
  bool MayWrite(const std::string& path) override;
  std::optional<std::vector<std::string>> ListFolder(const std::string& folder) override;
};

}  // namespace vorelio
