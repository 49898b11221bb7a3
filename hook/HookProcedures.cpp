// The three hook procedures. They run for every key, click and character
// of the hooked application, so they only read the mapped segment, post,
// and never allocate or block.
#include <cstring>

#include "hook/HookProcedures.h"
#include "hook/HookSegment.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"

namespace vorelio::hook {
namespace {

constexpr int VK_CAPITAL = 0x14;
constexpr std::uint64_t kKeyReleasedBit = 0x80000000u;
// GetModuleFileNameA's buffer in the original: 260 characters and the NUL.
constexpr std::size_t kProcessPathSize = 261;

// Processes that deliver every typed character twice to the get-message
// hook; only every second one is reported. Case-sensitive substrings of the
// process path.
constexpr const char* kDoubleCharacterProcesses[] = {"firefox.exe", "soffice.bin", "wordpad.exe",
                                                     "thunderbird.exe"};

// No further hook is chained behind ours: passing on lets the event through.
constexpr long kPassOn = 0;
constexpr long kSwallow = 1;

void Post(const HookSegment& segment, uint32_t message, std::uintptr_t wParam,
          std::intptr_t lParam) {
  // A destination that no longer exists drops the report silently.
  PostMessageTo(segment.destination.load(std::memory_order_relaxed), message, wParam, lParam);
}

bool DeliversCharactersTwice(const char* processPath) {
  for (const char* name : kDoubleCharacterProcesses) {
    if (std::strstr(processPath, name) != nullptr) return true;
  }
  return false;
}

}  // namespace

long KeyboardProcedure(int code, std::uintptr_t virtualKey, std::intptr_t flags) {
  HookSegment* segment = MappedSegment();
  if (code != HC_ACTION || segment == nullptr) return kPassOn;
  const bool released = (static_cast<std::uint64_t>(flags) & kKeyReleasedBit) != 0;
  const uint32_t report = released ? WM_HOOK_KEY_UP : WM_HOOK_KEY_DOWN;
  Post(*segment, report, virtualKey, flags);
  // Codes beyond int never match: a free entry (-1) is not a key.
  if (virtualKey <= 0x7FFFFFFF && TableHolds(*segment, static_cast<int64_t>(virtualKey))) {
    return kSwallow;
  }
  if (HookSystem* system = CurrentHookSystem()) {
    segment->capsLock.store(static_cast<int32_t>(system->KeyState(VK_CAPITAL)),
                            std::memory_order_relaxed);
  }
  return kPassOn;
}

long MouseProcedure(int code, std::uintptr_t mouseMessage, std::intptr_t address) {
  HookSegment* segment = MappedSegment();
  if (code != HC_ACTION || segment == nullptr) return kPassOn;
  const auto* data = reinterpret_cast<const MouseHookData*>(address);
  if (mouseMessage == WM_MOUSEMOVE) {
    if (data == nullptr) return kPassOn;  // no point to report
    const auto point = (static_cast<std::uintptr_t>(data->y & 0xFFFF) << 16) |
                       static_cast<std::uintptr_t>(data->x & 0xFFFF);
    Post(*segment, WM_HOOK_MOUSE_MOVE, point, address);
    return kPassOn;
  }
  const uint32_t report = HookReportForMouseButton(mouseMessage);
  if (report == 0) return kPassOn;  // double clicks, wheel, other buttons
  Post(*segment, report, mouseMessage, address);
  return segment->mouseButtonsCaptured.load(std::memory_order_relaxed) != 0 ? kSwallow : kPassOn;
}

long GetMessageProcedure(int code, std::uintptr_t /*removal*/, std::intptr_t address) {
  const auto* message = reinterpret_cast<const HookedMessage*>(address);
  HookSegment* segment = MappedSegment();
  if (code != HC_ACTION || segment == nullptr || message == nullptr) return kPassOn;
  if (message->message != WM_CHAR) return kPassOn;
  char processPath[kProcessPathSize] = {};
  HookSystem* system = CurrentHookSystem();
  if (system != nullptr) system->ProcessPath(processPath, sizeof processPath);
  processPath[kProcessPathSize - 1] = '\0';
  if (system != nullptr && system->CharactersMayArriveTwice() &&
      DeliversCharactersTwice(processPath)) {
    // ">=" rather than "==": a lost update between two processes must not
    // leave the counter above 2, where it would never report again.
    const int32_t counter = segment->characterCounter.load(std::memory_order_relaxed) + 1;
    if (counter >= 2) {
      Post(*segment, WM_HOOK_CHAR, message->wParam, message->lParam);
      segment->characterCounter.store(0, std::memory_order_relaxed);
    } else {
      segment->characterCounter.store(counter, std::memory_order_relaxed);
    }
  } else {
    Post(*segment, WM_HOOK_CHAR, message->wParam, message->lParam);
  }
  return kPassOn;
}

}  // namespace vorelio::hook
