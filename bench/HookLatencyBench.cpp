// The latency of the X11 hook: from an XTEST key press to the
// WM_HOOK_KEY_DOWN handled on our thread by a MessageLoop. Starts its own
// Xvfb with the Portuguese keymap (as the tests do) unless --display names
// one. Prints "name value unit" lines.
//
// predarin-bench-hook [--presses N] [--display :N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "hook/HookPredarin.h"
#include "hook/HookSystem.h"
#include "hook/x11/X11HookSystem.h"
#include "platform/MessageBox.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"
#include "tests/x11/RecordingWindow.h"
#include "tests/x11/XvfbServer.h"

#include <X11/extensions/XTest.h>

namespace {

using Clock = std::chrono::steady_clock;

class KeyDownWatcher final : public vorelio::MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t, std::intptr_t) override {
    if (message == vorelio::WM_HOOK_KEY_DOWN && !arrived) {
      arrived = true;
      at = Clock::now();
    }
  }
  bool arrived = false;
  Clock::time_point at;
};

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const std::size_t index =
      std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()));
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  int presses = 500;
  const char* displayName = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--presses") == 0) presses = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--display") == 0) displayName = argv[i + 1];
  }
  std::unique_ptr<vorelio::testing::XvfbServer> server;
  if (displayName == nullptr) {
    server = std::make_unique<vorelio::testing::XvfbServer>();
    if (!server->IsRunning()) {
      std::fprintf(stderr, "Xvfb could not start\n");
      return 1;
    }
    displayName = server->Name();
  }

  vorelio::testing::RecordingWindow client(displayName);
  vorelio::SteadyLoopClock clock;
  vorelio::MessageLoop loop(clock);
  KeyDownWatcher watcher;
  const vorelio::WindowHandle destination = loop.CreateWindow(watcher);
  vorelio::StderrMessageBox messages;
  auto system = vorelio::hook::CreateX11HookSystem(displayName, messages);
  // A private X server is a desktop of its own: so is the hook state
  // (a program running beside it shares the user's segment otherwise).
  vorelio::hook::UseHookSystem(system.get(), vorelio::hook::StateSegment::kPrivate);
  if (InitializeHook(client.Client(), destination) != 1) return 1;

  Display* injector = XOpenDisplay(displayName);
  const KeyCode key = XKeysymToKeycode(injector, 'a');
  std::vector<double> latencies;
  for (int i = 0; i < presses; ++i) {
    watcher.arrived = false;
    const Clock::time_point start = Clock::now();
    XTestFakeKeyEvent(injector, key, True, CurrentTime);
    XFlush(injector);
    const Clock::time_point deadline = start + std::chrono::seconds(1);
    while (!watcher.arrived && Clock::now() < deadline) loop.WaitAndDispatch(1);
    if (watcher.arrived) {
      latencies.push_back(std::chrono::duration<double, std::milli>(watcher.at - start).count());
    }
    XTestFakeKeyEvent(injector, key, False, CurrentTime);
    XSync(injector, False);
    client.Pump(2);
    loop.DispatchPending();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  XCloseDisplay(injector);
  TerminateHook();
  vorelio::hook::UseHookSystem(nullptr, vorelio::hook::StateSegment::kPrivate);

  if (latencies.empty()) return 1;
  std::printf("hook_key_presses %zu count\n", latencies.size());
  std::printf("hook_key_down_latency_median %.3f ms\n", Percentile(latencies, 0.5));
  std::printf("hook_key_down_latency_p99 %.3f ms\n", Percentile(latencies, 0.99));
  std::printf("hook_key_down_latency_max %.3f ms\n", Percentile(latencies, 1.0));
  return 0;
}
