// A file system that forwards to another one and makes one chosen call
// fail, for the tests of failure paths (the tests run as the administrator,
// for whom permissions do not bite).
#pragma once

#include <atomic>
#include <mutex>

#include "platform/FileSystem.h"

namespace vorelio {

enum class FileOperation {
  kRead,          // ReadFile finds nothing
  kOpen,          // CreateNewFile or OpenForAppend cannot open
  kWrite,         // Append writes nothing
  kDiskFull,      // Append writes half of its data, then fails
  kSync,          // Sync fails
  kRename,        // Rename fails
  kRemove,        // Remove fails
  kCreateFolder,  // CreateFolder fails
};

class FaultyFileSystem final : public FileSystemWrapper {
 public:
  using FileSystemWrapper::FileSystemWrapper;

  // The call of `operation` after `skip` more calls of it fails, once.
  // Only calls whose path holds `pathPart` count (every call when empty).
  void FailNext(FileOperation operation, int skip = 0, std::string pathPart = {});
  // How many calls were made to fail so far.
  int Failures() const { return failures_; }

  std::optional<std::string> ReadFile(const std::string& path) override;
  std::unique_ptr<WritableFile> CreateNewFile(const std::string& path,
                                              const FileStatus* modelledOn,
                                              CreateOutcome* outcome) override;
  std::unique_ptr<WritableFile> OpenForAppend(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  CreateOutcome CreateFolder(const std::string& path) override;

  // Whether this call, on `path`, is the one to fail; counts it.
  bool ShouldFail(FileOperation operation, const std::string& path);

 private:
  std::unique_ptr<WritableFile> Faulty(std::unique_ptr<WritableFile> file,
                                       const std::string& path);

  std::mutex mutex_;
  bool armed_ = false;
  FileOperation operation_ = FileOperation::kRead;
  int skip_ = 0;
  std::string pathPart_;
  std::atomic<int> failures_{0};
};

}  // namespace vorelio
