#include "hook/HookSegment.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <new>

namespace vorelio::hook {
namespace {

struct SegmentChoice {
  std::mutex mutex;
  std::string name = DefaultSegmentName();
  std::atomic<HookSegment*> mapped{nullptr};
};

SegmentChoice& Choice() {
  // Never destroyed: hook procedures may run while the process exits.
  static SegmentChoice* const choice = new SegmentChoice;
  return *choice;
}

HookSegment* StartFresh(void* memory) {
  auto* segment = new (memory) HookSegment;
  segment->specialKeys[0] = kFreeEntry;  // the other entries start at 0
  return segment;
}

HookSegment* MapShared(int descriptor) {
  void* memory =
      ::mmap(nullptr, sizeof(HookSegment), PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
  return memory == MAP_FAILED ? nullptr : static_cast<HookSegment*>(memory);
}

HookSegment* CreateNamed(const std::string& name) {
  const int descriptor = ::shm_open(name.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  if (descriptor < 0) return nullptr;
  HookSegment* segment = nullptr;
  // The umask can only narrow 0600; fchmod makes it exact.
  if (::fchmod(descriptor, 0600) == 0 &&
      ::ftruncate(descriptor, static_cast<off_t>(sizeof(HookSegment))) == 0) {
    if (void* memory = MapShared(descriptor)) segment = StartFresh(memory);
  }
  ::close(descriptor);
  if (segment == nullptr) ::shm_unlink(name.c_str());
  return segment;
}

HookSegment* OpenExisting(const std::string& name) {
  const int descriptor = ::shm_open(name.c_str(), O_RDWR, 0);
  if (descriptor < 0) return nullptr;
  HookSegment* segment = nullptr;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 &&
      SegmentIsTrusted(status.st_uid, status.st_mode, ::geteuid())) {
    // A segment still being created by another of our processes is short:
    // grow it (zeros) rather than fail.
    const bool sized = status.st_size >= static_cast<off_t>(sizeof(HookSegment)) ||
                       ::ftruncate(descriptor, static_cast<off_t>(sizeof(HookSegment))) == 0;
    if (sized) segment = MapShared(descriptor);
  }
  ::close(descriptor);
  return segment;
}

HookSegment* MapNamed(const std::string& name) {
  if (HookSegment* created = CreateNamed(name)) return created;
  return OpenExisting(name);
}

}  // namespace

std::string DefaultSegmentName() {
  return "/vorelio-hookpredarin-" + std::to_string(::geteuid());
}

bool SegmentIsTrusted(uid_t owner, mode_t mode, uid_t currentUser) {
  return owner == currentUser && (mode & 077) == 0;
}

HookSegment* SegmentForExports() {
  SegmentChoice& choice = Choice();
  if (HookSegment* segment = choice.mapped.load()) return segment;
  std::lock_guard lock(choice.mutex);
  if (HookSegment* segment = choice.mapped.load()) return segment;
  HookSegment* segment = MapNamed(choice.name);
  choice.mapped.store(segment);
  return segment;
}

HookSegment* MappedSegment() { return Choice().mapped.load(std::memory_order_acquire); }

void UseNamedSegment(const std::string& name) {
  SegmentChoice& choice = Choice();
  std::lock_guard lock(choice.mutex);
  choice.name = name;
  choice.mapped.store(nullptr);
}

void UsePrivateSegment() {
  SegmentChoice& choice = Choice();
  std::lock_guard lock(choice.mutex);
  void* memory = ::mmap(nullptr, sizeof(HookSegment), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  choice.mapped.store(memory == MAP_FAILED ? nullptr : StartFresh(memory));
}

}  // namespace vorelio::hook
