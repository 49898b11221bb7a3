#include "hook/x11/X11HookSystem.h"

#include <X11/Xlib.h>

#include <array>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "common/KeyMessageFlags.h"
#include "common/VirtualKeys.h"
#include "hook/HookProcedures.h"
#include "hook/x11/X11ClientGrabs.h"
#include "hook/x11/X11EventRecorder.h"
#include "platform/MessageNumbers.h"
#include "platform/x11/X11CharacterTranslator.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11Keymap.h"
#include "platform/x11/X11Windows.h"

namespace vorelio::hook {
namespace {

using x11::Keycode;

constexpr std::size_t kPathSize = 4096;

int KindIndex(HookKind kind) { return static_cast<int>(kind); }

uint32_t MouseMessageOf(unsigned button, bool down) {
  switch (button) {
    case 1: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case 2: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    case 3: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default: return 0;  // wheel and extra buttons are not reported
  }
}

class X11HookSystem final : public HookSystem, private x11::X11EventRecorder::Listener {
 public:
  X11HookSystem(const char* displayName, MessageBoxService& messages)
      : displayName_(displayName != nullptr ? displayName : ""), messages_(messages) {}
  ~X11HookSystem() override { StopObserving(); }

  HookHandle InstallHook(HookKind kind, HookProcedure procedure, uint32_t thread) override {
    std::lock_guard lock(mutex_);
    if (!recorder_.IsRunning() && !StartObserving()) return 0;
    const HookHandle handle = nextHandle_++;
    hooks_[handle] = kind;
    procedures_[KindIndex(kind)] = procedure;
    threads_[KindIndex(kind)] = thread;
    UpdateGrabs();
    return handle;
  }

  void RemoveHook(HookHandle hook) override {
    std::unique_lock lock(mutex_);
    const auto found = hooks_.find(hook);
    if (found == hooks_.end()) return;
    threads_[KindIndex(found->second)] = 0;
    hooks_.erase(found);
    UpdateGrabs();
    if (hooks_.empty()) {
      lock.unlock();
      StopObserving();
    }
  }

  int16_t KeyState(int virtualKey) override {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    int16_t state = pressed_[virtualKey].load() ? static_cast<int16_t>(0x8000) : 0;
    if (virtualKey == vk::kCapital && capsLock_.load()) state |= 1;
    return state;
  }

  // Called on the recorder's thread, from the procedures this backend calls.
  // Characters come from our own translation of each key event, once.
  bool CharactersMayArriveTwice() const override { return false; }
  void ProcessPath(char* path, std::size_t size) override {
    if (size == 0) return;
    std::strncpy(path, processPath_.data(), size - 1);
    path[size - 1] = '\0';
  }

  void SwallowingChanged() override {
    std::lock_guard lock(mutex_);
    UpdateGrabs();
  }

  MessageBoxService& Messages() override { return messages_; }

 private:
  const char* DisplayName() const { return displayName_.empty() ? nullptr : displayName_.c_str(); }

  // With mutex_ held.
  bool StartObserving() {
    control_ = std::make_unique<x11::X11Display>(DisplayName());
    keymap_ = std::make_unique<x11::X11Keymap>(DisplayName());
    if (!control_->IsOpen() || !keymap_->IsOpen()) {
      control_.reset();
      keymap_.reset();
      return false;
    }
    uint32_t modifiers = 0;
    uint32_t group = 0;
    keymap_->LockedState(modifiers, group);
    translator_.SetKeymap(keymap_->Keymap(), modifiers, group);
    capsLock_ = translator_.CapsLockOn();
    numLockOn_ = translator_.NumLockOn();
    keyAtPress_.fill(0);
    focusWindow_ = None;
    focusTopLevel_ = None;
    grabs_ = std::make_unique<x11::X11ClientGrabs>(*control_);
    if (!recorder_.Start(DisplayName(), *this,
                         {ConnectionNumber(control_->Get()), keymap_->FileDescriptor()})) {
      grabs_.reset();
      control_.reset();
      keymap_.reset();
      return false;
    }
    return true;
  }

  void StopObserving() {
    recorder_.Stop();
    std::lock_guard lock(mutex_);
    grabs_.reset();  // releases the grabs while the connection lives
    control_.reset();
    keymap_.reset();
  }

  // With mutex_ held: grabs the special keys (by their codes now) and,
  // while captured, the buttons on every top-level window of the hooked
  // client.
  void UpdateGrabs() {
    if (grabs_ == nullptr) return;
    const uint32_t client = threads_[KindIndex(HookKind::kKeyboard)].load();
    const uint32_t mouseClient = threads_[KindIndex(HookKind::kMouse)].load();
    x11::X11ClientGrabs::Swallowed swallowed;
    const x11::X11KeyTable& keys = keymap_->Keys();
    for (Keycode keycode = 8; keycode < 256; ++keycode) {
      const uint8_t virtualKey = keys.VirtualKeyOf(keycode, numLockOn_.load());
      if (virtualKey != 0 && IsSwallowedKey(virtualKey)) swallowed.keycodes.push_back(keycode);
    }
    swallowed.buttons = client != 0 && mouseClient == client && MouseButtonsCaptured();
    grabs_->Update(client, std::move(swallowed));
  }

  // The focused top-level window now (one round trip); the climb to the
  // top level is done again only when the focus moved, and then the
  // process path for the procedures is prepared.
  Window FocusedTopLevel() {
    Display* display = control_->Get();
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == focusWindow_) return focusTopLevel_;
    focusWindow_ = focus;
    const Window active = x11::FocusedTopLevel(display);
    if (active == focusTopLevel_) return focusTopLevel_;
    focusTopLevel_ = active;
    x11::ExecutablePathOfProcess(x11::ProcessOfWindow(display, active), processPath_.data(),
                                 processPath_.size());
    // A window of the client that the creation events missed.
    std::lock_guard lock(mutex_);
    if (grabs_ != nullptr) grabs_->Adopt(active);
    return focusTopLevel_;
  }

  // The installed procedure of the kind, as the system calls a hook.
  void Call(HookKind kind, std::uintptr_t wParam, std::intptr_t lParam) {
    if (const HookProcedure procedure = procedures_[KindIndex(kind)].load()) {
      procedure(HC_ACTION, wParam, lParam);
    }
  }

  // The code a key reports: a keypad key's follows Num Lock when it goes
  // down, and its release reports what its press did.
  uint8_t ReportedKey(unsigned keycode, bool down) {
    if (keycode >= keyAtPress_.size()) return 0;
    uint8_t virtualKey = keyAtPress_[keycode];
    if (down || virtualKey == 0) {
      virtualKey = keymap_->Keys().VirtualKeyOf(keycode, translator_.NumLockOn());
    }
    keyAtPress_[keycode] = down ? virtualKey : 0;
    return virtualKey;
  }

  void OnKey(unsigned keycode, bool down) override {
    if (control_ == nullptr || !control_->IsAlive()) return;
    const uint8_t virtualKey = ReportedKey(keycode, down);
    const bool wasDown = pressed_[virtualKey].exchange(down);
    const Window topLevel = FocusedTopLevel();
    const uint32_t client = x11::ClientOfWindow(control_->Get(), topLevel);
    const uint32_t keyboardThread = threads_[KindIndex(HookKind::kKeyboard)].load();
    const uint32_t messageThread = threads_[KindIndex(HookKind::kGetMessage)].load();
    const bool reportKey = virtualKey != 0 && keyboardThread != 0 && client == keyboardThread;
    const bool reportCharacters = messageThread != 0 && client == messageThread;

    characters_.clear();
    const bool typesCharacters = virtualKey == 0 || !IsSwallowedKey(virtualKey);
    translator_.KeyEvent(keycode, down, typesCharacters, characters_);
    capsLock_ = translator_.CapsLockOn();
    if (translator_.NumLockOn() != numLockOn_.load()) {
      // The keypad keys changed codes: grab those that are special now.
      numLockOn_ = translator_.NumLockOn();
      std::lock_guard lock(mutex_);
      UpdateGrabs();
    }

    KeyMessage key;
    key.scanCode = x11::ScanCodeOf(keycode);
    key.altHeld = pressed_[vk::kMenu].load();
    key.wasDown = wasDown;
    key.released = !down;
    const std::intptr_t lParam = KeyMessageFlags(key);
    if (reportKey) Call(HookKind::kKeyboard, virtualKey, lParam);
    if (reportCharacters) {
      for (const char character : characters_) {
        const HookedMessage message{topLevel, WM_CHAR, static_cast<unsigned char>(character),
                                    lParam};
        Call(HookKind::kGetMessage, 1, reinterpret_cast<std::intptr_t>(&message));
      }
    }
  }

  // The window under the pointer when it belongs to the mouse hook's
  // client; None otherwise.
  Window HookedWindowUnderPointer() {
    const uint32_t thread = threads_[KindIndex(HookKind::kMouse)].load();
    if (thread == 0) return None;
    int x = 0;
    int y = 0;
    const Window window = x11::WindowUnderPointer(control_->Get(), x, y);
    return x11::ClientOfWindow(control_->Get(), window) == thread ? window : None;
  }

  void OnButton(unsigned button, bool down, int rootX, int rootY) override {
    if (control_ == nullptr || !control_->IsAlive()) return;
    const uint32_t message = MouseMessageOf(button, down);
    if (message == 0) return;
    const Window window = HookedWindowUnderPointer();
    if (window == None) return;
    const MouseHookData data{rootX, rootY, window};
    Call(HookKind::kMouse, message, reinterpret_cast<std::intptr_t>(&data));
  }

  void OnMotion(int rootX, int rootY) override {
    if (control_ == nullptr || !control_->IsAlive()) return;
    const Window window = HookedWindowUnderPointer();
    if (window == None) return;
    const MouseHookData data{rootX, rootY, window};
    Call(HookKind::kMouse, WM_MOUSEMOVE, reinterpret_cast<std::intptr_t>(&data));
  }

  void OnWake() override {
    if (control_ == nullptr) return;
    std::lock_guard lock(mutex_);
    // Windows created, mapped, reparented or destroyed, and the grabbed
    // keys and buttons, which have done their work.
    Display* display = control_->Get();
    while (control_->IsAlive() && XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (grabs_ != nullptr) grabs_->Handle(event);
    }
    if (keymap_->Refresh()) {
      uint32_t modifiers = 0;
      uint32_t group = 0;
      keymap_->LockedState(modifiers, group);
      translator_.SetKeymap(keymap_->Keymap(), modifiers, group);
      UpdateGrabs();  // the keycodes of the special keys may have changed
    }
  }

  const std::string displayName_;
  MessageBoxService& messages_;
  std::mutex mutex_;  // the hooks, the grabs
  HookHandle nextHandle_ = 1;
  std::map<HookHandle, HookKind> hooks_;
  std::array<std::atomic<uint32_t>, 3> threads_{};
  std::array<std::atomic<HookProcedure>, 3> procedures_{};
  std::unique_ptr<x11::X11Display> control_;
  std::unique_ptr<x11::X11ClientGrabs> grabs_;  // on control_
  std::unique_ptr<x11::X11Keymap> keymap_;
  x11::X11EventRecorder recorder_;

  // The recorder thread's own.
  x11::X11CharacterTranslator translator_;
  std::string characters_;
  Window focusWindow_ = None;
  Window focusTopLevel_ = None;
  std::array<char, kPathSize> processPath_{};
  std::array<uint8_t, 256> keyAtPress_{};

  std::array<std::atomic<bool>, 256> pressed_{};
  std::atomic<bool> capsLock_{false};
  std::atomic<bool> numLockOn_{false};  // the grabs' side of the translator's
};

}  // namespace

std::unique_ptr<HookSystem> CreateX11HookSystem(const char* displayName,
                                                MessageBoxService& messages) {
  return std::make_unique<X11HookSystem>(displayName, messages);
}

std::unique_ptr<HookSystem> CreateX11HookSystem() {
  static StderrMessageBox messages;
  return CreateX11HookSystem(nullptr, messages);
}

}  // namespace vorelio::hook
