#include "gui/OnScreenKeyboardWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "gui/KeyboardPainter.h"
#include "gui/QtKeyFontMetrics.h"
#include "keyboards/KeySoundPlayer.h"
#include "gui/QtMouseButtons.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/OnScreenKeyboardLayout.h"

namespace vorelio {

namespace {

PointerPosition OnScreen(const QMouseEvent& event) {
  const QPoint point = event.globalPosition().toPoint();
  return {point.x(), point.y()};
}

}  // namespace

OnScreenKeyboardWidget::OnScreenKeyboardWidget(COnScreenKeyboard& keyboard,
                                               KeySoundPlayer* sounds, QWidget* parent)
    : QWidget(parent), keyboard_(keyboard), sounds_(sounds) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);  // hover needs the moves without a button down
  pressTimer_.setSingleShot(true);
  pressTimer_.setInterval(kPressFeedbackMs);
  connect(&pressTimer_, &QTimer::timeout, this, [this] { EndPressFeedback(); });
  hoverTimer_.setSingleShot(true);
  connect(&hoverTimer_, &QTimer::timeout, this, [this] { Rest(); });
  keyboard_.SetRepaintListener(this);
  Relayout();
}

OnScreenKeyboardWidget::~OnScreenKeyboardWidget() {
  // A widget made since for the same keyboard keeps listening.
  if (keyboard_.Environment().repaint == this) keyboard_.SetRepaintListener(nullptr);
}

void OnScreenKeyboardWidget::Relayout() {
  hoverTimer_.stop();
  pressTimer_.stop();
  hovered_.reset();
  pressed_.reset();
  const KeyboardPresentation& presentation = keyboard_.Environment().presentation;
  layout_ = LayOutOnScreenKeyboard(keyboard_,
                                   QtKeyFontMetrics(presentation.fontFace, presentation.fontSize));
  setFixedSize(layout_.width, layout_.height);
  update();
}

void OnScreenKeyboardWidget::KeyChanged(const CColorButton& key) { update(ToQRect(key.Rect())); }

void OnScreenKeyboardWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintKeyboard(painter, keyboard_, event->region(), pressed_);
}

std::optional<COnScreenKeyIdentifier> OnScreenKeyboardWidget::KeyUnder(
    const QMouseEvent& event) const {
  const QPoint point = event.position().toPoint();
  return KeyAt(layout_, point.x(), point.y());
}

void OnScreenKeyboardWidget::mousePressEvent(QMouseEvent* event) { Press(*event, false); }

void OnScreenKeyboardWidget::mouseDoubleClickEvent(QMouseEvent* event) { Press(*event, true); }

void OnScreenKeyboardWidget::Press(const QMouseEvent& event, bool doubleClick) {
  const std::optional<MouseButton> button = MouseButtonOf(event.button());
  const std::optional<COnScreenKeyIdentifier> position = KeyUnder(event);
  if (!button || !position) return;
  CColorButton* key = keyboard_.Key(*position);
  if (key == nullptr) return;
  if (key->Press(*button, OnScreen(event))) {
    if (sounds_ != nullptr) {
      if (key->Presentation().keySounds) sounds_->Play();
      else sounds_->Stop();
    }
    ShowPressFeedback(*position);
  }
  if (doubleClick) key->DoubleClick();
}

void OnScreenKeyboardWidget::ShowPressFeedback(const COnScreenKeyIdentifier& key) {
  if (pressed_ && *pressed_ != key) UpdateKey(*pressed_);
  pressed_ = key;
  pressTimer_.start();
  UpdateKey(key);
}

void OnScreenKeyboardWidget::EndPressFeedback() {
  if (!pressed_) return;
  const COnScreenKeyIdentifier key = *pressed_;
  pressed_.reset();
  UpdateKey(key);
}

void OnScreenKeyboardWidget::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<COnScreenKeyIdentifier> position = KeyUnder(*event);
  if (position != hovered_) LeaveHoveredKey();
  CColorButton* key = position ? keyboard_.Key(*position) : nullptr;
  if (key == nullptr) return;
  hovered_ = position;
  RestartHoverTimer(key->PointerMoved(OnScreen(*event)));
}

void OnScreenKeyboardWidget::leaveEvent(QEvent*) { LeaveHoveredKey(); }

void OnScreenKeyboardWidget::LeaveHoveredKey() {
  hoverTimer_.stop();
  if (!hovered_) return;
  if (CColorButton* key = keyboard_.Key(*hovered_)) key->PointerLeft();
  hovered_.reset();
}

void OnScreenKeyboardWidget::Rest() {
  CColorButton* key = hovered_ ? keyboard_.Key(*hovered_) : nullptr;
  if (key != nullptr) RestartHoverTimer(key->PointerRested());
}

void OnScreenKeyboardWidget::RestartHoverTimer(std::optional<int> delayMs) {
  if (delayMs) hoverTimer_.start(*delayMs);
  else hoverTimer_.stop();
}

void OnScreenKeyboardWidget::UpdateKey(const COnScreenKeyIdentifier& position) {
  if (const CColorButton* key = keyboard_.Key(position)) update(ToQRect(key->Rect()));
}

}  // namespace vorelio
