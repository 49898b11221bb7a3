#include "platform/AtomicFile.h"

#include <optional>
#include <random>

namespace vorelio {

namespace {

// Temporary files are named after the file: "NAME.tmp-" and six letters or
// digits. The older form "NAME.tmp" is still cleaned up.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporarySuffixLength = 6;
constexpr int kMaximumLinks = 40;  // as the kernel's limit for a path
constexpr int kNameAttempts = 100;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsTemporaryOf(std::string_view entry, std::string_view fileName) {
  if (!entry.starts_with(fileName)) return false;
  entry.remove_prefix(fileName.size());
  if (!entry.starts_with(kTemporaryMark)) return false;
  entry.remove_prefix(kTemporaryMark.size());
  if (entry.empty()) return true;
  if (entry.front() != '-' || entry.size() != 1 + kTemporarySuffixLength) return false;
  for (const char c : entry.substr(1))
    if (!IsAlphanumeric(c)) return false;
  return true;
}

std::string TemporaryNameFor(const std::string& path) {
  static constexpr std::string_view kLetters =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string name = path;
  name.append(kTemporaryMark).push_back('-');
  for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) name.push_back(kLetters[pick(random)]);
  return name;
}

// The file a chain of symbolic links ends at (the path itself when it is no
// link, whether or not it exists); nothing when the links loop or cannot be
// read.
std::optional<std::string> FollowLinks(FileSystem& files, std::string path) {
  for (int hop = 0; hop <= kMaximumLinks; ++hop) {
    const std::optional<FileStatus> status = files.Status(path);
    if (!status || status->type != FileStatus::Type::kSymbolicLink) return path;
    const std::optional<std::string> target = files.ReadLink(path);
    if (!target || target->empty()) return std::nullopt;
    path = IsSeparator(target->front()) ? *target : FolderOf(path) + *target;
  }
  return std::nullopt;
}

void RemoveLeftoverTemporaries(FileSystem& files, const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string fileName = FileNameOf(path);
  const auto entries = files.ListFolder(folder.empty() ? std::string(".") : folder);
  if (!entries) return;
  for (const std::string& entry : *entries)
    if (IsTemporaryOf(entry, fileName)) files.Remove(folder + entry);
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool WriteNewFile(FileSystem& files, const std::string& path, std::string_view contents) {
  std::unique_ptr<WritableFile> file = files.CreateNewFile(path, nullptr);
  if (!file) return false;
  bool ok = file->Append(contents) && file->Sync();
  ok = file->Close() && ok;
  if (!ok) files.Remove(path);
  return ok;
}

bool PathExists(FileSystem& files, const std::string& path) {
  return files.Status(path).has_value();
}

bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view contents) {
  if (path.empty() || IsSeparator(path.back())) return false;
  const std::optional<std::string> target = FollowLinks(files, path);
  if (!target) return false;
  const std::optional<FileStatus> existing = files.Status(*target);
  if (existing) {
    if (existing->type != FileStatus::Type::kRegular || !files.MayWrite(*target)) return false;
  }
  RemoveLeftoverTemporaries(files, *target);

  std::string temporary;
  std::unique_ptr<WritableFile> file;
  for (int attempt = 0; attempt < kNameAttempts && !file; ++attempt) {
    temporary = TemporaryNameFor(*target);
    CreateOutcome outcome = CreateOutcome::kFailed;
    file = files.CreateNewFile(temporary, existing ? &*existing : nullptr, &outcome);
    if (!file && outcome != CreateOutcome::kExists) return false;
  }
  if (!file) return false;
  bool ok = file->Append(contents) && file->Sync();
  ok = file->Close() && ok;
  ok = ok && files.Rename(temporary, *target);
  if (!ok) files.Remove(temporary);
  return ok;
}

}  // namespace vorelio
