#include "hook/HookSegment.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <new>

#include "hook/SegmentFile.h"

namespace vorelio::hook {
namespace {

struct SegmentChoice {
  std::mutex mutex;
  bool users = true;  // else private, mapped when chosen
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

HookSegment* MapUsers(std::string& problem) {
  const SegmentFile file = OpenSegmentFile(sizeof(HookSegment));
  if (file.descriptor < 0) {
    problem = file.problem;
    return nullptr;
  }
  HookSegment* segment = MapShared(file.descriptor);
  if (segment == nullptr) {
    problem = "HookPredarin:O estado do hook n\xE3o pode ser mapeado (erro " +
              std::to_string(errno) + ")";
  } else if (file.created) {
    StartFresh(segment);
  }
  ::close(file.descriptor);
  return segment;
}

}  // namespace

HookSegment* SegmentForExports(std::string* problem) {
  SegmentChoice& choice = Choice();
  if (HookSegment* segment = choice.mapped.load()) return segment;
  std::lock_guard lock(choice.mutex);
  if (HookSegment* segment = choice.mapped.load()) return segment;
  std::string why;
  HookSegment* segment = choice.users ? MapUsers(why) : nullptr;
  if (problem != nullptr) *problem = std::move(why);
  choice.mapped.store(segment);
  return segment;
}

HookSegment* MappedSegment() { return Choice().mapped.load(std::memory_order_acquire); }

void UseUsersSegment() {
  SegmentChoice& choice = Choice();
  std::lock_guard lock(choice.mutex);
  choice.users = true;
  choice.mapped.store(nullptr);
}

void UsePrivateSegment() {
  SegmentChoice& choice = Choice();
  std::lock_guard lock(choice.mutex);
  choice.users = false;
  void* memory = ::mmap(nullptr, sizeof(HookSegment), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  choice.mapped.store(memory == MAP_FAILED ? nullptr : StartFresh(memory));
}

}  // namespace vorelio::hook
