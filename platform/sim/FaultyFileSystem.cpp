#include "platform/sim/FaultyFileSystem.h"

namespace vorelio {

namespace {

// Writes through to the real file unless its file system says this call
// fails.
class FaultyWritableFile final : public WritableFile {
 public:
  FaultyWritableFile(std::unique_ptr<WritableFile> file, FaultyFileSystem& files,
                     std::string path)
      : file_(std::move(file)), files_(files), path_(std::move(path)) {}

  bool Append(std::string_view data) override {
    if (files_.ShouldFail(FileOperation::kWrite, path_)) return false;
    if (files_.ShouldFail(FileOperation::kDiskFull, path_)) {
      file_->Append(data.substr(0, data.size() / 2));
      return false;
    }
    return file_->Append(data);
  }
  bool Sync() override { return !files_.ShouldFail(FileOperation::kSync, path_) && file_->Sync(); }
  bool Close() override { return file_->Close(); }

 private:
  std::unique_ptr<WritableFile> file_;
  FaultyFileSystem& files_;
  std::string path_;
};

}  // namespace

void FaultyFileSystem::FailNext(FileOperation operation, int skip, std::string pathPart) {
  const std::lock_guard lock(mutex_);
  armed_ = true;
  operation_ = operation;
  skip_ = skip;
  pathPart_ = std::move(pathPart);
}

bool FaultyFileSystem::ShouldFail(FileOperation operation, const std::string& path) {
  const std::lock_guard lock(mutex_);
  if (!armed_ || operation != operation_) return false;
  if (!pathPart_.empty() && path.find(pathPart_) == std::string::npos) return false;
  if (skip_ > 0) {
    --skip_;
    return false;
  }
  armed_ = false;
  ++failures_;
  return true;
}

std::unique_ptr<WritableFile> FaultyFileSystem::Faulty(std::unique_ptr<WritableFile> file,
                                                       const std::string& path) {
  if (!file) return nullptr;
  return std::make_unique<FaultyWritableFile>(std::move(file), *this, path);
}

std::optional<std::string> FaultyFileSystem::ReadFile(const std::string& path) {
  if (ShouldFail(FileOperation::kRead, path)) return std::nullopt;
  return FileSystemWrapper::ReadFile(path);
}

std::unique_ptr<WritableFile> FaultyFileSystem::CreateNewFile(const std::string& path,
                                                              const FileStatus* modelledOn,
                                                              CreateOutcome* outcome) {
  if (ShouldFail(FileOperation::kOpen, path)) {
    if (outcome != nullptr) *outcome = CreateOutcome::kFailed;
    return nullptr;
  }
  return Faulty(FileSystemWrapper::CreateNewFile(path, modelledOn, outcome), path);
}

std::unique_ptr<WritableFile> FaultyFileSystem::OpenForAppend(const std::string& path) {
  if (ShouldFail(FileOperation::kOpen, path)) return nullptr;
  return Faulty(FileSystemWrapper::OpenForAppend(path), path);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
  if (ShouldFail(FileOperation::kRename, to)) return false;
  return FileSystemWrapper::Rename(from, to);
}

bool FaultyFileSystem::Remove(const std::string& path) {
  if (ShouldFail(FileOperation::kRemove, path)) return false;
  return FileSystemWrapper::Remove(path);
}

CreateOutcome FaultyFileSystem::CreateFolder(const std::string& path) {
  if (ShouldFail(FileOperation::kCreateFolder, path)) return CreateOutcome::kFailed;
  return FileSystemWrapper::CreateFolder(path);
}

}  // namespace vorelio
