// The on-screen keyboard on the screen: draws a COnScreenKeyboard and passes
// the pointer's events to its keys, which decide what to post and tell the
// widget how long to wait. The widget only paints, keeps the timers, and
// gives the press feedback (key sound, press circle).
//
// It never takes the keyboard focus (Qt::NoFocus); the top-level window
// that holds it is to be made with KeepFocusAway, so that a click on a key
// leaves the focus in the application the user writes in.
//
//   button down on a key    key.Press(button, pointer on the screen); when
//                           it answers true, the key sound (or silence when
//                           the profile's key sounds are off) and the press
//                           circle on that key for kPressFeedbackMs
//   double click on a key   key.Press as above, then key.DoubleClick: the
//                           second click of a quick pair presses the key too
//   pointer moves           PointerMoved on the key under it, PointerLeft on
//                           the one it left; PointerRested when the pointer
//                           rests for the delay the key asked for
//   pointer leaves          PointerLeft on the key it was over
#pragma once

#include <QTimer>
#include <QWidget>

#include <optional>

#include "keyboards/KeyboardEnvironment.h"
#include "keyboards/KeyboardLayout.h"
#include "keyboards/OnScreenKeyIdentifier.h"

namespace vorelio {

class COnScreenKeyboard;
class KeySoundPlayer;

inline constexpr int kPressFeedbackMs = 300;

class OnScreenKeyboardWidget final : public QWidget, public KeyRepaintListener {
 public:
  // `keyboard` and `sounds` (null: no key sound) must outlive the widget.
  // The widget becomes the keyboard's repaint listener until it goes (or
  // another takes its place), and lays it out (Relayout).
  OnScreenKeyboardWidget(COnScreenKeyboard& keyboard, KeySoundPlayer* sounds,
                         QWidget* parent = nullptr);
  ~OnScreenKeyboardWidget() override;

  // Lays the keyboard out again with the key font of its presentation and
  // takes the layout's size; repaints all. Call after a load, an edit or a
  // change of the presentation. Forgets the pointer's key and the press
  // circle, whose keys may be gone.
  void Relayout();
  const KeyboardLayout& Layout() const { return layout_; }

  // The key showing the press circle, while it shows.
  const std::optional<COnScreenKeyIdentifier>& PressedKey() const { return pressed_; }

  // Repaints that key's rectangle alone.
  void KeyChanged(const CColorButton& key) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::optional<COnScreenKeyIdentifier> KeyUnder(const QMouseEvent& event) const;
  void Press(const QMouseEvent& event, bool doubleClick);
  void ShowPressFeedback(const COnScreenKeyIdentifier& key);
  void EndPressFeedback();
  void LeaveHoveredKey();
  void Rest();
  void RestartHoverTimer(std::optional<int> delayMs);
  void UpdateKey(const COnScreenKeyIdentifier& key);

  COnScreenKeyboard& keyboard_;
  KeySoundPlayer* sounds_;
  KeyboardLayout layout_;
  std::optional<COnScreenKeyIdentifier> hovered_;  // the key under the pointer
  std::optional<COnScreenKeyIdentifier> pressed_;  // the last pressed, while its circle shows
  QTimer pressTimer_;
  QTimer hoverTimer_;
};

}  // namespace vorelio
