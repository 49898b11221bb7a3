// Keystrokes into the X display through XTEST, with the active XKB keymap:
// the stand-in for keybd_event and VkKeyScanA.
//
// Each event is followed by XSync, so it has reached the server when the
// call returns. Key downs are spaced at least 6 ms apart (toolkits such as
// Qt reorder a dead key and its letter that come closer together); the
// caller waits only for what is left of that pause.
//
// AltGr: KeyScan answers Ctrl+Alt for a third-level character, as Windows
// does, and the sink turns Ctrl+Alt around a key that has a third level into
// AltGr: Ctrl goes up, AltGr (reported as VK_MENU) goes down for Alt, so the
// key downs the hook reports are still three. Around any other key Ctrl and
// Alt are pressed as asked (Ctrl+Alt+Del).
//
// Failure: without a display or XTEST, SendKeyEvent does nothing and
// KeyScan answers kNoKey; a virtual-key code with no key on the keymap is
// skipped. When the server goes away every call returns at once.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "output/KeystrokeSink.h"

namespace vorelio::x11 {
class X11Display;
class X11Keymap;
}  // namespace vorelio::x11

namespace vorelio {

class X11KeystrokeSink final : public KeystrokeSink {
 public:
  // `displayName` null: $DISPLAY.
  explicit X11KeystrokeSink(const char* displayName = nullptr);
  ~X11KeystrokeSink() override;
  X11KeystrokeSink(const X11KeystrokeSink&) = delete;
  X11KeystrokeSink& operator=(const X11KeystrokeSink&) = delete;

  // True while keys can be sent.
  bool IsOpen() const;
  void SendKeyEvent(uint8_t virtualKey, bool down) override;
  KeyScanResult KeyScan(char character) override;

 private:
  void Inject(uint32_t keycode, bool down);
  void InjectVirtualKey(uint8_t virtualKey, bool down);
  void FlushPendingAlt(uint32_t nextKeycode);

  std::unique_ptr<x11::X11Display> display_;
  std::unique_ptr<x11::X11Keymap> keymap_;
  std::chrono::steady_clock::time_point lastKeyDown_{};
  bool ctrlInjected_ = false;        // our Ctrl is down on the server
  bool ctrlGivenToAltGr_ = false;    // our Ctrl went up for AltGr
  bool altPending_ = false;          // Alt asked for while Ctrl is down
  bool altGrInjected_ = false;       // Alt became AltGr
};

}  // namespace vorelio
