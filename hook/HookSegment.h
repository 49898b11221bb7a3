// The state the hook procedures share with the exports: one segment for the
// whole desktop, a file of the user's alone mapped by every process that
// uses the library (hook/SegmentFile.h says where it lives). Every field is
// one machine word read and written without a lock; the only
// read-modify-write (the character counter) tolerates a lost update.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace vorelio::hook {

inline constexpr int kSpecialKeyCount = 20;
inline constexpr int32_t kFreeEntry = -1;

// The fields in their stored order. Atomics of one word each: the same
// layout as plain words, without data races between processes.
struct HookSegment {
  std::atomic<int32_t> mouseButtonsCaptured{0};
  std::atomic<int32_t> characterCounter{0};
  std::atomic<std::uintptr_t> destination{0};
  std::atomic<std::uintptr_t> mouseHook{0};
  std::atomic<std::uintptr_t> getMessageHook{0};
  std::atomic<std::uintptr_t> keyboardHook{0};
  std::atomic<int32_t> capsLock{0};
  std::atomic<uint32_t> thread{0};
  std::atomic<int32_t> specialKeys[kSpecialKeyCount] = {};
};
static_assert(std::atomic<int32_t>::is_always_lock_free);
static_assert(std::atomic<std::uintptr_t>::is_always_lock_free);
static_assert(sizeof(std::atomic<int32_t>) == 4);

// Whether some entry of the special-key table equals the code.
inline bool TableHolds(const HookSegment& segment, int64_t virtualKey) {
  for (const auto& entry : segment.specialKeys) {
    if (entry.load(std::memory_order_relaxed) == virtualKey) return true;
  }
  return false;
}

// The segment the exports and procedures use, mapping the user's on the
// first call from an export. Null when it is refused or cannot be mapped
// (a later call tries again); `problem`, when given, then says why for the
// user. The procedures only read what is mapped.
HookSegment* SegmentForExports(std::string* problem = nullptr);
HookSegment* MappedSegment();

// Where the state lives from now on: the user's segment file (created with
// mode 0600 and its initial values when missing), mapped at the next
// export; or a private segment of this process alone at its initial values
// (a test's desktop is a desktop of its own). An earlier mapping stays
// mapped, never used again, so a procedure running on another thread never
// reads freed memory.
void UseUsersSegment();
void UsePrivateSegment();

}  // namespace vorelio::hook
