#include "platform/sim/MemoryFileSystem.h"

#include <algorithm>

namespace vorelio {

namespace {

using Type = FileStatus::Type;

// "\\" as "/", repeated separators as one, no final separator, and a
// leading "/" so that every key is absolute.
std::string KeyOf(const std::string& path) {
  std::string key = "/";
  for (char c : path) {
    if (c == '\\') c = '/';
    if (c == '/' && key.back() == '/') continue;
    key.push_back(c);
  }
  if (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

std::string ParentOf(const std::string& key) {
  const std::size_t slash = key.find_last_of('/');
  return slash == 0 ? std::string("/") : key.substr(0, slash);
}

class MemoryWritableFile final : public WritableFile {
 public:
  MemoryWritableFile(std::shared_ptr<MemoryFileSystem::Node> node, std::mutex& mutex)
      : node_(std::move(node)), mutex_(mutex) {}
  bool Append(std::string_view data) override {
    if (!node_) return false;
    const std::lock_guard lock(mutex_);
    node_->contents.append(data);
    return true;
  }
  bool Sync() override { return node_ != nullptr; }
  bool Close() override {
    node_.reset();
    return true;
  }

 private:
  std::shared_ptr<MemoryFileSystem::Node> node_;
  std::mutex& mutex_;
};

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
  nodes_["/"] = std::make_shared<Node>(Node{Type::kFolder, 0755, {}, {}});
}

void MemoryFileSystem::MakeFolders(const std::string& key) {
  if (nodes_.count(key) != 0) return;
  MakeFolders(ParentOf(key));
  nodes_[key] = std::make_shared<Node>(Node{Type::kFolder, 0755, {}, {}});
}

void MemoryFileSystem::AddFile(const std::string& path, std::string_view contents,
                               uint32_t permissions) {
  const std::lock_guard lock(mutex_);
  const std::string key = KeyOf(path);
  MakeFolders(ParentOf(key));
  nodes_[key] = std::make_shared<Node>(Node{Type::kRegular, permissions, std::string(contents), {}});
}

void MemoryFileSystem::AddFolder(const std::string& path) {
  const std::lock_guard lock(mutex_);
  MakeFolders(KeyOf(path));
}

void MemoryFileSystem::AddLink(const std::string& path, const std::string& target) {
  const std::lock_guard lock(mutex_);
  const std::string key = KeyOf(path);
  MakeFolders(ParentOf(key));
  nodes_[key] = std::make_shared<Node>(Node{Type::kSymbolicLink, 0777, {}, target});
}

void MemoryFileSystem::SetPermissions(const std::string& path, uint32_t permissions) {
  const std::lock_guard lock(mutex_);
  if (const NodePointer node = Find(KeyOf(path))) node->permissions = permissions;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
  const std::lock_guard lock(mutex_);
  std::vector<std::string> paths;
  for (const auto& [key, node] : nodes_) {
    if (key == "/") continue;
    paths.push_back(node->type == Type::kFolder ? key + "/" : key);
  }
  return paths;
}

MemoryFileSystem::NodePointer MemoryFileSystem::Find(const std::string& key) const {
  const auto found = nodes_.find(key);
  return found == nodes_.end() ? nullptr : found->second;
}

std::optional<std::string> MemoryFileSystem::Resolve(std::string key) const {
  for (int hop = 0; hop <= 40; ++hop) {
    const NodePointer node = Find(key);
    if (!node || node->type != Type::kSymbolicLink) return key;
    const std::string& target = node->linkTarget;
    key = KeyOf(!target.empty() && (target[0] == '/' || target[0] == '\\')
                    ? target
                    : ParentOf(key) + "/" + target);
  }
  return std::nullopt;
}

bool MemoryFileSystem::ParentIsFolder(const std::string& key) const {
  const NodePointer parent = Find(ParentOf(key));
  return parent && parent->type == Type::kFolder && (parent->permissions & 0200) != 0;
}

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const auto key = Resolve(KeyOf(path));
  const NodePointer node = key ? Find(*key) : nullptr;
  if (!node || node->type != Type::kRegular || (node->permissions & 0400) == 0)
    return std::nullopt;
  return node->contents;
}

std::unique_ptr<WritableFile> MemoryFileSystem::CreateNewFile(const std::string& path,
                                                              const FileStatus* modelledOn,
                                                              CreateOutcome* outcome) {
  const std::lock_guard lock(mutex_);
  const std::string key = KeyOf(path);
  CreateOutcome result = CreateOutcome::kCreated;
  if (Find(key)) result = CreateOutcome::kExists;
  else if (!ParentIsFolder(key)) result = CreateOutcome::kFailed;
  if (outcome != nullptr) *outcome = result;
  if (result != CreateOutcome::kCreated) return nullptr;
  auto node = std::make_shared<Node>(
      Node{Type::kRegular, modelledOn != nullptr ? modelledOn->permissions : 0644u, {}, {}});
  nodes_[key] = node;
  return std::make_unique<MemoryWritableFile>(std::move(node), mutex_);
}

std::unique_ptr<WritableFile> MemoryFileSystem::OpenForAppend(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const auto key = Resolve(KeyOf(path));
  if (!key) return nullptr;
  NodePointer node = Find(*key);
  if (!node) {
    if (!ParentIsFolder(*key)) return nullptr;
    node = std::make_shared<Node>(Node{Type::kRegular, 0644, {}, {}});
    nodes_[*key] = node;
  }
  if (node->type != Type::kRegular || (node->permissions & 0200) == 0) return nullptr;
  return std::make_unique<MemoryWritableFile>(std::move(node), mutex_);
}

bool MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
  const std::lock_guard lock(mutex_);
  const std::string source = KeyOf(from), target = KeyOf(to);
  const NodePointer node = Find(source);
  if (!node || node->type == Type::kFolder || !ParentIsFolder(target)) return false;
  if (const NodePointer replaced = Find(target); replaced && replaced->type == Type::kFolder)
    return false;
  nodes_.erase(source);
  nodes_[target] = node;
  return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const std::string key = KeyOf(path);
  const NodePointer node = Find(key);
  if (!node || node->type == Type::kFolder || !ParentIsFolder(key)) return false;
  nodes_.erase(key);
  return true;
}

CreateOutcome MemoryFileSystem::CreateFolder(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const std::string key = KeyOf(path);
  if (Find(key)) return CreateOutcome::kExists;
  if (!ParentIsFolder(key)) return CreateOutcome::kFailed;
  nodes_[key] = std::make_shared<Node>(Node{Type::kFolder, 0700, {}, {}});
  return CreateOutcome::kCreated;
}

std::optional<FileStatus> MemoryFileSystem::Status(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const NodePointer node = Find(KeyOf(path));
  if (!node) return std::nullopt;
  FileStatus status;
  status.type = node->type;
  status.permissions = node->permissions;
  return status;
}

std::optional<std::string> MemoryFileSystem::ReadLink(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const NodePointer node = Find(KeyOf(path));
  if (!node || node->type != Type::kSymbolicLink) return std::nullopt;
  return node->linkTarget;
}

bool MemoryFileSystem::MayWrite(const std::string& path) {
  const std::lock_guard lock(mutex_);
  const auto key = Resolve(KeyOf(path));
  const NodePointer node = key ? Find(*key) : nullptr;
  return node && (node->permissions & 0200) != 0;
}

std::optional<std::vector<std::string>> MemoryFileSystem::ListFolder(const std::string& folder) {
  const std::lock_guard lock(mutex_);
  const auto key = Resolve(KeyOf(folder));
  const NodePointer node = key ? Find(*key) : nullptr;
  if (!node || node->type != Type::kFolder) return std::nullopt;
  const std::string prefix = *key == "/" ? "/" : *key + "/";
  std::vector<std::string> names;
  for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.starts_with(prefix);
       ++it) {
    const std::string rest = it->first.substr(prefix.size());
    if (!rest.empty() && rest.find('/') == std::string::npos) names.push_back(rest);
  }
  return names;
}

}  // namespace vorelio
