// The nine exports and the hook system the library works through.
#include "hook/HookPredarin.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "hook/HookProcedures.h"
#include "hook/HookSegment.h"
#include "hook/HookSystem.h"
#include "hook/x11/X11HookSystem.h"

namespace vorelio::hook {
namespace {

// Read by the procedures on a backend's thread.
std::atomic<HookSystem*> g_chosenSystem{nullptr};
// The X11 backend, created by the first InitializeHook without a chosen
// system and kept for the next ones.
std::unique_ptr<HookSystem>& DesktopSystem() {
  static std::unique_ptr<HookSystem> system;
  return system;
}

constexpr std::string_view kKeyboardHookFailure =
    "HookPredarin:Problema a instalar o hook para o teclado";
constexpr std::string_view kMouseHookFailure = "HookPredarin:Problema a instalar o hook para o rato";
constexpr std::string_view kGetMessageHookFailure =
    "HookPredarin:Problema a instalar o hook para as mensagens";

void ReportFailure(HookSystem* system, std::string_view text) {
  if (system != nullptr) {
    system->Messages().ShowMessage(text);
  } else {
    // No desktop at all, so no message box either: the terminal is all there is.
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
  }
}

HookSystem* SystemForInitialize() {
  if (HookSystem* system = CurrentHookSystem()) return system;
  DesktopSystem() = CreateX11HookSystem();
  return DesktopSystem().get();
}

void NotifySwallowingChanged() {
  if (HookSystem* system = CurrentHookSystem()) system->SwallowingChanged();
}

}  // namespace

void UseHookSystem(HookSystem* system, StateSegment segment) {
  g_chosenSystem.store(system);
  if (segment == StateSegment::kPrivate) {
    UsePrivateSegment();
  } else {
    UseUsersSegment();
  }
}

HookSystem* CurrentHookSystem() {
  HookSystem* chosen = g_chosenSystem.load();
  return chosen != nullptr ? chosen : DesktopSystem().get();
}

bool IsSwallowedKey(int virtualKey) {
  const HookSegment* segment = MappedSegment();
  return segment != nullptr && virtualKey != kFreeEntry && TableHolds(*segment, virtualKey);
}

bool MouseButtonsCaptured() {
  const HookSegment* segment = MappedSegment();
  return segment != nullptr && segment->mouseButtonsCaptured.load() != 0;
}

}  // namespace vorelio::hook

using vorelio::hook::HookKind;
using vorelio::hook::HookSegment;
using vorelio::hook::HookSystem;
using vorelio::hook::kFreeEntry;
using vorelio::hook::kSpecialKeyCount;

extern "C" {

int InitializeHook(uint32_t thread, uintptr_t window) {
  using namespace vorelio::hook;
  HookSystem* system = SystemForInitialize();
  std::string problem;
  HookSegment* segment = SegmentForExports(&problem);
  if (system == nullptr || segment == nullptr) {
    // No desktop to hook, or a segment we must not use: the message says
    // which.
    ReportFailure(system, problem.empty() ? kKeyboardHookFailure : problem);
    return 0;
  }
  // Nothing is swallowed before the program says so: a run that ended
  // without TerminateHook (a crash) may have left keys in the table and the
  // buttons captured, and a backend grabs what is swallowed as soon as a
  // hook is installed.
  for (auto& entry : segment->specialKeys) entry = kFreeEntry;
  segment->mouseButtonsCaptured = 0;
  segment->characterCounter = 0;
  system->SwallowingChanged();
  segment->thread = thread;
  segment->destination = window;
  segment->keyboardHook = system->InstallHook(HookKind::kKeyboard, KeyboardProcedure, thread);
  if (segment->keyboardHook == 0) {
    ReportFailure(system, kKeyboardHookFailure);
    return 0;
  }
  segment->mouseHook = system->InstallHook(HookKind::kMouse, MouseProcedure, thread);
  if (segment->mouseHook == 0) {
    ReportFailure(system, kMouseHookFailure);
    return 0;
  }
  segment->getMessageHook = system->InstallHook(HookKind::kGetMessage, GetMessageProcedure, thread);
  if (segment->getMessageHook == 0) {
    ReportFailure(system, kGetMessageHookFailure);
    return 0;
  }
  return 1;
}

void TerminateHook(void) {
  HookSegment* segment = vorelio::hook::SegmentForExports();
  HookSystem* system = vorelio::hook::CurrentHookSystem();
  if (segment == nullptr || system == nullptr) return;
  // Each handle is removed once; a second TerminateHook finds nothing.
  for (auto* handle : {&segment->keyboardHook, &segment->mouseHook, &segment->getMessageHook}) {
    if (const auto hook = handle->exchange(0); hook != 0) system->RemoveHook(hook);
  }
}

void AddSpecialKey(int virtualKey) {
  HookSegment* segment = vorelio::hook::SegmentForExports();
  if (segment == nullptr) return;
  for (auto& entry : segment->specialKeys) {
    if (entry == kFreeEntry) {
      entry = virtualKey;
      vorelio::hook::NotifySwallowingChanged();
      return;
    }
  }
}

void DeleteSpecialKey(int virtualKey) {
  HookSegment* segment = vorelio::hook::SegmentForExports();
  if (segment == nullptr) return;
  for (auto& entry : segment->specialKeys) {
    if (entry == virtualKey) {
      entry = kFreeEntry;
      vorelio::hook::NotifySwallowingChanged();
      return;
    }
  }
}

int IsSpecialKey(int virtualKey) {
  // A free entry is no key: -1 is never special.
  if (virtualKey == kFreeEntry) return 0;
  const HookSegment* segment = vorelio::hook::SegmentForExports();
  return segment != nullptr && vorelio::hook::TableHolds(*segment, virtualKey) ? 1 : 0;
}

void ClearSpecialKeys(void) {
  HookSegment* segment = vorelio::hook::SegmentForExports();
  if (segment == nullptr) return;
  for (auto& entry : segment->specialKeys) entry = kFreeEntry;
  vorelio::hook::NotifySwallowingChanged();
}

void AddMouseButtons(void) {
  HookSegment* segment = vorelio::hook::SegmentForExports();
  if (segment == nullptr) return;
  segment->mouseButtonsCaptured = 1;
  vorelio::hook::NotifySwallowingChanged();
}

void DeleteMouseButtons(void) {
  HookSegment* segment = vorelio::hook::SegmentForExports();
  if (segment == nullptr) return;
  segment->mouseButtonsCaptured = 0;
  vorelio::hook::NotifySwallowingChanged();
}

int GetCapsLock(void) {
  const HookSegment* segment = vorelio::hook::SegmentForExports();
  return segment == nullptr ? 0 : segment->capsLock.load();
}

}  // extern "C"
