#include "gui/QtPreviewWindow.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "gui/KeyFont.h"
#include "gui/QtText.h"

namespace vorelio {
namespace {

constexpr int kPadding = 6;
constexpr int kBelowCaret = 24;  // the caret's corner is its top: keep clear of the line

}  // namespace

QtPreviewWindow::QtPreviewWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      textColour_(Qt::black),
      backgroundColour_(Qt::yellow) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
}

void QtPreviewWindow::SetStyle(std::string_view fontFace, int points, int32_t textColour,
                               int32_t backgroundColour) {
  setFont(KeyFont(fontFace, points));
  textColour_ = ToQColor(textColour);
  backgroundColour_ = ToQColor(backgroundColour);
  update();
}

void QtPreviewWindow::Show(std::string_view text, std::optional<ScreenPoint> caret) {
  text_ = ToQString(text);
  const QSize size = QFontMetrics(font()).size(Qt::TextSingleLine, text_) +
                     QSize(2 * kPadding, 2 * kPadding);
  resize(size);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desktop = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  QPoint at = caret ? QPoint(caret->x, caret->y + kBelowCaret)
                    : QPoint(desktop.center().x() - size.width() / 2, desktop.top());
  at.setX(std::clamp(at.x(), desktop.left(), std::max(desktop.left(), desktop.right() - size.width())));
  at.setY(std::clamp(at.y(), desktop.top(), std::max(desktop.top(), desktop.bottom() - size.height())));
  move(at);
  show();
  update();
}

void QtPreviewWindow::Hide() { hide(); }

bool QtPreviewWindow::IsVisible() const { return isVisible(); }

void QtPreviewWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), backgroundColour_);
  painter.setPen(textColour_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace vorelio
