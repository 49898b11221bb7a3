// A simulated desktop for tests: foreign applications with a window, a
// title, a thread, a process path, a text and a caret, driven by a test's
// "hands" (keys, typed text, clicks, mouse moves) and by synthesized keys.
//
// It is the hook library's desktop (HookSystem): hooks installed for an
// application's thread make its keys, clicks and characters pass through
// the library's procedures exactly as the system would call them, and the
// application sees a key or click only when the procedure did not swallow
// it. It is also a KeystrokeSink: synthesized keys take the same road as
// typed ones, into the focused application, on a Portuguese layout with
// dead keys (´ then e types é). And it answers an output target's
// DesktopQueries about its applications.
//
// Everything that happens is appended to one log a test compares, entries
// separated by "; ":
//   "focus app1", "install keyboard hook app1", "remove mouse hook app1",
//   "app1 key down A", "app1 key up F5 swallowed", "app1 char a",
//   "app1 char #13" (control characters by their code),
//   "app1 left down 15,50", "app1 right up 15,50 swallowed",
//   "app1 mouse move 15,50", "key down A (no focus)".
// Single-threaded: call it from the test's thread only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "hook/HookSystem.h"
#include "output/DesktopQueries.h"
#include "output/KeystrokeSink.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "testsupport/SimKeyboardLayout.h"

namespace vorelio::sim {

enum class MouseButton { kLeft, kRight, kMiddle };

// One foreign application: a top-level window on a thread of its own.
struct SimApplication {
  std::string name;  // as the log names it
  std::string processPath;
  std::string title;
  uint32_t thread = 0;
  WindowHandle window = 0;
  std::string text;  // Windows-1252; Enter inserts '\n'
  std::size_t caret = 0;
  // Reads every character message twice (peeks, then takes it), as some
  // programs do: the get-message hook sees each character twice.
  bool readsCharactersTwice = false;
};

class SimDesktop final : public hook::HookSystem, public KeystrokeSink, public DesktopQueries {
 public:
  // Becomes the hook library's desktop, with a fresh segment of its own so
  // that tests running side by side never share special keys.
  explicit SimDesktop(MessageBoxService& messages);
  // Stops being the hook library's desktop; the library is left with a
  // private segment.
  ~SimDesktop() override;
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;

  // Adds an application without focusing it. Its window handle and thread
  // are unique on the desktop and never name a message-layer window.
  // Application n (from 0) covers the screen rows 100 n to 100 n + 99 and
  // the columns 0 to 639, 10 columns per character of its text.
  WindowHandle AddApplication(std::string name, std::string processPath, std::string title = {});
  // The application of the window; the window must be one of the desktop's.
  const SimApplication& Application(WindowHandle window) const;
  void SetTitle(WindowHandle window, std::string title);
  // Sets the text and the caret (cut to the text) without any event.
  void SetText(WindowHandle window, std::string text, std::size_t caret);
  void SetReadsCharactersTwice(WindowHandle window, bool twice);
  // Whether the desktop admits that characters arrive twice at all (Windows
  // does; an X11 desktop translates every key once). Default: it does.
  void SetCharactersMayArriveTwice(bool may) { charactersMayArriveTwice_ = may; }

  // Foreground and keyboard focus; 0 takes the focus away from every
  // application. The listener hears every change.
  void Focus(WindowHandle window);
  WindowHandle Foreground() const { return focused_; }
  void OnFocusChanged(std::function<void(WindowHandle)> listener) { focusListener_ = std::move(listener); }

  // The user's hands, into the focused application.
  void PressKey(uint8_t virtualKey);
  void ReleaseKey(uint8_t virtualKey);
  void TapKey(uint8_t virtualKey);
  // Each character with the keys a person presses for it on the Portuguese
  // layout (Shift, AltGr, a dead key before an accented letter); Enter for
  // '\n'. Characters the layout lacks are skipped.
  void TypeText(std::string_view text);
  // The pointer moves to the caret position `caret` of the window's
  // application, and a button goes down and up there. A left click that
  // reaches the application focuses it and moves its caret there (cut to
  // the text).
  void Click(WindowHandle window, std::size_t caret, MouseButton button = MouseButton::kLeft);
  // The pointer moves; the application under it (if any) sees the move.
  void MoveMouse(ScreenPoint point);
  // The middle of the character cell at `caret` of the window's text.
  ScreenPoint PointOf(WindowHandle window, std::size_t caret) const;

  // What the library asked for.
  bool HookInstalled(hook::HookKind kind, uint32_t thread) const;
  // Calls the focused application's hook of the kind as the system would,
  // with any hook code (HC_NOREMOVE when a message is only peeked at) and
  // parameters; 0 (passed on) when none is installed. Nothing is logged
  // and nothing reaches the application.
  long CallHookProcedure(hook::HookKind kind, int code, std::uintptr_t wParam,
                         std::intptr_t lParam);
  // The next installation of a hook of this kind fails.
  void FailNextInstall(hook::HookKind kind);
  int SwallowingChanges() const { return swallowingChanges_; }

  const std::string& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

  // HookSystem.
  hook::HookHandle InstallHook(hook::HookKind kind, hook::HookProcedure procedure,
                               uint32_t thread) override;
  void RemoveHook(hook::HookHandle hook) override;
  int16_t KeyState(int virtualKey) override;
  void ProcessPath(char* path, std::size_t size) override;
  void SwallowingChanged() override { ++swallowingChanges_; }
  bool CharactersMayArriveTwice() const override { return charactersMayArriveTwice_; }
  MessageBoxService& Messages() override { return messages_; }

  // KeystrokeSink: synthesized keys go where typed keys go.
  void SendKeyEvent(uint8_t virtualKey, bool down) override { down ? PressKey(virtualKey) : ReleaseKey(virtualKey); }
  KeyScanResult KeyScan(char character) override { return SimKeyboardLayout::KeyScan(character); }

  // DesktopQueries, about the applications: 0, nothing or false for a
  // window that is not one of them. The caret is PointOf the application's
  // caret; moving the pointer is MoveMouse, bringing to the foreground Focus.
  uint32_t ThreadOfWindow(DesktopWindow window) override;
  std::optional<ScreenPoint> CaretPosition(DesktopWindow window) override;
  bool IsPointerOver(DesktopWindow window) override;
  std::optional<ScreenRect> ClientArea(DesktopWindow window) override;
  void MovePointer(ScreenPoint point) override { MoveMouse(point); }
  void BringToForeground(DesktopWindow window) override { Focus(window); }

 private:
  struct InstalledHook {
    hook::HookHandle handle;
    hook::HookKind kind;
    uint32_t thread;
    hook::HookProcedure procedure;
  };
  const InstalledHook* FindHook(hook::HookKind kind, uint32_t thread) const;
  // The application's hook of the kind, as the system calls it.
  long RunHook(const SimApplication& app, hook::HookKind kind, int code, std::uintptr_t wParam,
               std::intptr_t lParam);
  SimApplication* Find(WindowHandle window);
  const SimApplication* Find(WindowHandle window) const;
  const SimApplication* FindThread(uint32_t thread) const;
  SimApplication* ApplicationAt(ScreenPoint point);
  void Append(std::string_view entry);
  void DeliverCharacter(SimApplication& app, char character);
  void ApplyNavigationKey(SimApplication& app, uint8_t virtualKey);
  void PressButton(SimApplication& app, MouseButton button, bool down, ScreenPoint point);

  MessageBoxService& messages_;
  std::vector<SimApplication> applications_;
  std::vector<InstalledHook> hooks_;
  std::array<bool, 3> failNextInstall_{};
  WindowHandle focused_ = 0;
  ScreenPoint pointer_;
  std::function<void(WindowHandle)> focusListener_;
  // The application whose hook procedure is running (ProcessPath's answer).
  const SimApplication* running_ = nullptr;
  std::array<bool, 256> pressed_{};
  std::array<bool, 256> toggled_{};
  SimKeyboardLayout layout_;
  hook::HookHandle nextHook_ = 1;
  int swallowingChanges_ = 0;
  bool charactersMayArriveTwice_ = true;
  std::string log_;
};

}  // namespace vorelio::sim
