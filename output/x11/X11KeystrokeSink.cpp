#include "output/x11/X11KeystrokeSink.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <thread>

#include "platform/x11/X11Display.h"
#include "platform/x11/X11Keymap.h"
#include "common/VirtualKeys.h"

namespace vorelio {
namespace {

constexpr auto kKeyDownSpacing = std::chrono::milliseconds(6);

bool IsModifier(uint8_t virtualKey) {
  return virtualKey == vk::kShift || virtualKey == vk::kControl ||
         virtualKey == vk::kMenu;
}

}  // namespace

X11KeystrokeSink::X11KeystrokeSink(const char* displayName)
    : display_(std::make_unique<x11::X11Display>(displayName)),
      keymap_(std::make_unique<x11::X11Keymap>(displayName)) {
  int event = 0;
  int error = 0;
  int major = 0;
  int minor = 0;
  if (display_->IsOpen() &&
      XTestQueryExtension(display_->Get(), &event, &error, &major, &minor) == 0) {
    display_.reset();
  }
}

X11KeystrokeSink::~X11KeystrokeSink() = default;

bool X11KeystrokeSink::IsOpen() const {
  return display_ != nullptr && display_->IsAlive() && keymap_->IsOpen();
}

void X11KeystrokeSink::Inject(uint32_t keycode, bool down) {
  if (keycode == 0 || !IsOpen()) return;
  if (down) {
    const auto due = lastKeyDown_ + kKeyDownSpacing;
    const auto now = std::chrono::steady_clock::now();
    if (now < due) std::this_thread::sleep_for(due - now);
    lastKeyDown_ = std::chrono::steady_clock::now();
  }
  XTestFakeKeyEvent(display_->Get(), keycode, down ? True : False, CurrentTime);
  XSync(display_->Get(), False);
}

void X11KeystrokeSink::InjectVirtualKey(uint8_t virtualKey, bool down) {
  Inject(keymap_->Keys().KeycodeOf(virtualKey), down);
}

// Alt was held back while Ctrl is down: with a key that has a third level
// it becomes AltGr (Ctrl goes up), otherwise it is pressed now.
void X11KeystrokeSink::FlushPendingAlt(uint32_t nextKeycode) {
  if (!altPending_) return;
  altPending_ = false;
  const uint32_t altGr = keymap_->Keys().AltGrKeycode();
  if (nextKeycode != 0 && altGr != 0 && keymap_->Keys().HasAltGrLevel(nextKeycode)) {
    InjectVirtualKey(vk::kControl, false);
    ctrlInjected_ = false;
    ctrlGivenToAltGr_ = true;
    Inject(altGr, true);
    altGrInjected_ = true;
  } else {
    InjectVirtualKey(vk::kMenu, true);
  }
}

void X11KeystrokeSink::SendKeyEvent(uint8_t virtualKey, bool down) {
  if (!IsOpen()) return;
  keymap_->Refresh();
  if (virtualKey == vk::kControl) {
    if (down) {
      FlushPendingAlt(0);
      InjectVirtualKey(virtualKey, true);
      ctrlInjected_ = true;
      ctrlGivenToAltGr_ = false;
    } else if (ctrlGivenToAltGr_) {
      ctrlGivenToAltGr_ = false;  // already up
    } else {
      InjectVirtualKey(virtualKey, false);
      ctrlInjected_ = false;
    }
    return;
  }
  if (virtualKey == vk::kMenu) {
    if (down && ctrlInjected_) {
      altPending_ = true;
    } else if (down) {
      InjectVirtualKey(virtualKey, true);
    } else if (altPending_) {
      FlushPendingAlt(0);
      InjectVirtualKey(virtualKey, false);
    } else if (altGrInjected_) {
      altGrInjected_ = false;
      Inject(keymap_->Keys().AltGrKeycode(), false);
    } else {
      InjectVirtualKey(virtualKey, false);
    }
    return;
  }
  const uint32_t keycode = keymap_->Keys().KeycodeOf(virtualKey);
  if (down) FlushPendingAlt(IsModifier(virtualKey) ? 0 : keycode);
  Inject(keycode, down);
}

KeyScanResult X11KeystrokeSink::KeyScan(char character) {
  if (!IsOpen()) return kNoKey;
  keymap_->Refresh();
  const auto key = keymap_->Keys().KeyFor(character);
  if (!key) return kNoKey;
  int result = key->virtualKey;
  if (key->shift) result |= kScanShift;
  if (key->altGr) result |= kScanCtrl | kScanAlt;
  return static_cast<KeyScanResult>(result);
}

}  // namespace vorelio
