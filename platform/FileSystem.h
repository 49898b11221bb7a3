// The files of the program, behind one seam: the core reads and writes
// every file through a FileSystem it is given. The Linux one is
// PosixFileSystem; tests use MemoryFileSystem, and FaultyFileSystem wraps
// either to make one chosen call fail.
//
// Paths are program paths: Windows-1252, "\\" or "/" as separators (files
// that come from a Windows installation use "\\"). Implementations turn
// them into the names they store.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

// One entry of a folder, as it is (a symbolic link is not followed).
struct FileStatus {
  enum class Type { kRegular, kFolder, kSymbolicLink, kOther };
  Type type = Type::kRegular;
  uint32_t permissions = 0644;  // the permission bits of the mode (07777)
  uint32_t owner = 0;
  uint32_t group = 0;
};

// A file open for writing. Destroying it closes it.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // Writes all of `data` after what was written before; false when any of
  // it could not be written (a full disk), leaving what was written.
  virtual bool Append(std::string_view data) = 0;
  // Flushes what was written to the disk.
  virtual bool Sync() = 0;
  // Closes the file; false when a write failed late. Later calls do nothing.
  virtual bool Close() = 0;
};

enum class CreateOutcome { kCreated, kExists, kFailed };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole file as bytes; nothing when it is missing, not a regular
  // file (after following links) or cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // Creates `path`, which must not exist (not even as a link), and opens it
  // for writing. With `modelledOn` the file takes its permission bits and,
  // where the system allows, its owner and group; otherwise those of a new
  // file. `outcome` (optional) tells a name that was taken from any other
  // failure. Null on failure.
  virtual std::unique_ptr<WritableFile> CreateNewFile(const std::string& path,
                                                      const FileStatus* modelledOn,
                                                      CreateOutcome* outcome = nullptr) = 0;
  // Opens `path` for writing at its end, creating it when missing. Null on
  // failure.
  virtual std::unique_ptr<WritableFile> OpenForAppend(const std::string& path) = 0;
  // Renames `from` to `to` in one step, replacing `to`, and makes the change
  // durable. False on failure, both names as they were.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // Makes the folder `path` (mode 0700: the user's data is private); its
  // parent must exist. kExists when anything is already there (a link is not
  // followed: the caller checks what it is), kFailed on any other failure.
  virtual CreateOutcome CreateFolder(const std::string& path) = 0;
  // The entry at `path` itself, or nothing when there is none.
  virtual std::optional<FileStatus> Status(const std::string& path) = 0;
  // The target a symbolic link names, as stored in the link.
  virtual std::optional<std::string> ReadLink(const std::string& path) = 0;
  // Whether this user may change the existing file at `path`. A file whose
  // mode has no write bit counts as read-only for every user, the
  // administrator too: the user marked it so.
  virtual bool MayWrite(const std::string& path) = 0;
  // The names of the entries of `folder`, in no particular order; nothing
  // when it cannot be read.
  virtual std::optional<std::vector<std::string>> ListFolder(const std::string& folder) = 0;
};

// Forwards every call to another file system; a test derives from it to
// change one call and keep the rest.
class FileSystemWrapper : public FileSystem {
 public:
  explicit FileSystemWrapper(FileSystem& target) : target_(target) {}
  std::optional<std::string> ReadFile(const std::string& path) override {
    return target_.ReadFile(path);
  }
  std::unique_ptr<WritableFile> CreateNewFile(const std::string& path,
                                              const FileStatus* modelledOn,
                                              CreateOutcome* outcome) override {
    return target_.CreateNewFile(path, modelledOn, outcome);
  }
  std::unique_ptr<WritableFile> OpenForAppend(const std::string& path) override {
    return target_.OpenForAppend(path);
  }
  bool Rename(const std::string& from, const std::string& to) override {
    return target_.Rename(from, to);
  }
  bool Remove(const std::string& path) override { return target_.Remove(path); }
  CreateOutcome CreateFolder(const std::string& path) override {
    return target_.CreateFolder(path);
  }
  std::optional<FileStatus> Status(const std::string& path) override {
    return target_.Status(path);
  }
  std::optional<std::string> ReadLink(const std::string& path) override {
    return target_.ReadLink(path);
  }
  bool MayWrite(const std::string& path) override { return target_.MayWrite(path); }
  std::optional<std::vector<std::string>> ListFolder(const std::string& folder) override {
    return target_.ListFolder(folder);
  }

 protected:
  FileSystem& target() { return target_; }

 private:
  FileSystem& target_;
};

}  // namespace vorelio
