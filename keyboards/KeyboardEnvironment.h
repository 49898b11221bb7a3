// What every key of one on-screen keyboard shares: where its notifications
// go, who loads its pictures, who repaints it, and the presentation the
// profile handed down. The keyboard owns it; its lines, groups and keys
// refer to it, so a change reaches them all at once.
#pragma once

#include "keyboards/KeyPicture.h"
#include "keyboards/KeyboardPresentation.h"
#include "platform/Messages.h"

namespace vorelio {

class CColorButton;

// Told when what a key shows has changed (its state, texts, picture or
// suggestion), so that the view repaints that key alone.
class KeyRepaintListener {
 public:
  virtual ~KeyRepaintListener() = default;
  virtual void KeyChanged(const CColorButton& key) = 0;
};

struct KeyboardEnvironment {
  // The controller's window: every key notification is posted there.
  // 0: nothing is posted.
  WindowHandle notificationWindow = 0;
  // Null: keys show no pictures. Must outlive the keyboard.
  KeyPictureLoader* pictures = nullptr;
  // Null: nobody is told. Must outlive the keyboard (or be reset first).
  KeyRepaintListener* repaint = nullptr;
  KeyboardPresentation presentation;
};

}  // namespace vorelio
