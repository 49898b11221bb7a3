// A file system held in memory, for tests: files, folders and symbolic
// links with permission bits, and a single user. Unlike the real one run as
// the administrator, it refuses to change a file without a write bit, so the
// read-only paths can be tested anywhere. Open files follow their file
// through renames, as on Linux. Thread-safe.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "platform/FileSystem.h"

namespace vorelio {

class MemoryFileSystem final : public FileSystem {
 public:
  MemoryFileSystem();  // holds only the root folder "/"

  // Set-up for tests; the folders above the path are made as needed.
  void AddFile(const std::string& path, std::string_view contents, uint32_t permissions = 0644);
  void AddFolder(const std::string& path);
  void AddLink(const std::string& path, const std::string& target);
  void SetPermissions(const std::string& path, uint32_t permissions);
  // Every entry (folders end in "/"), sorted: what a test compares.
  std::vector<std::string> Paths() const;

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

  struct Node {
    FileStatus::Type type = FileStatus::Type::kRegular;
    uint32_t permissions = 0644;
    std::string contents;    // a file's bytes
    std::string linkTarget;  // a link's target
  };

 private:
  using NodePointer = std::shared_ptr<Node>;

  // Locked helpers.
  NodePointer Find(const std::string& key) const;
  std::optional<std::string> Resolve(std::string key) const;
  bool ParentIsFolder(const std::string& key) const;
  void MakeFolders(const std::string& key);

  mutable std::mutex mutex_;
  std::map<std::string, NodePointer> nodes_;  // by normalised absolute key
};

}  // namespace vorelio
