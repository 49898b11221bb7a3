// The hook procedures run for every event of the hooked application and must
// allocate nothing: this test program counts every operator new.
#include <atomic>
#include <cstdlib>
#include <new>

#include "HookFixture.h"
#include "hook/HookSystem.h"

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace vorelio::testing {
namespace {

TEST_F(HookTest, TheProceduresAllocateNothing) {
  const WindowHandle wordpad = desktop.AddApplication("wordpad", "C:\\wordpad.exe");
  ASSERT_EQ(InitializeHook(desktop.Application(wordpad).thread, destination), 1);
  desktop.Focus(wordpad);
  AddSpecialKey(VK_F5);
  AddMouseButtons();
  const hook::MouseHookData point{3, 4, 0};
  const hook::HookedMessage character{wordpad, WM_CHAR, 'a', 1};
  const auto pointAddress = reinterpret_cast<std::intptr_t>(&point);
  const auto characterAddress = reinterpret_cast<std::intptr_t>(&character);
  using hook::HookKind;
  const long before = g_allocations.load();
  for (int i = 0; i < 100; ++i) {
    desktop.CallHookProcedure(HookKind::kKeyboard, hook::HC_ACTION, 'A', 1);
    desktop.CallHookProcedure(HookKind::kKeyboard, hook::HC_ACTION, VK_F5, 1);
    desktop.CallHookProcedure(HookKind::kMouse, hook::HC_ACTION, WM_LBUTTONDOWN, pointAddress);
    desktop.CallHookProcedure(HookKind::kMouse, hook::HC_ACTION, WM_MOUSEMOVE, pointAddress);
    desktop.CallHookProcedure(HookKind::kGetMessage, hook::HC_ACTION, 1, characterAddress);
  }
  EXPECT_EQ(g_allocations.load() - before, 0);
  EXPECT_EQ(loop.DispatchPending(), 450);  // and every report was queued
}

}  // namespace
}  // namespace vorelio::testing
