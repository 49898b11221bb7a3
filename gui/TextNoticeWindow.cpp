#include "gui/TextNoticeWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>

#include "gui/KeyFont.h"
#include "gui/QtText.h"

namespace vorelio {
namespace {

constexpr int kPadding = 24;

}  // namespace

TextNoticeWindow::TextNoticeWindow(std::string_view text, const NoticeLook& look)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      text_(ToQString(text)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFont(KeyFont(look.fontFace, look.points));
  QPalette colours = palette();
  if (look.textColour >= 0) colours.setColor(QPalette::WindowText, ToQColor(look.textColour));
  if (look.backgroundColour >= 0) colours.setColor(QPalette::Window, ToQColor(look.backgroundColour));
  setPalette(colours);
  const QSize size = QFontMetrics(font()).size(0, text_) + QSize(2 * kPadding, 2 * kPadding);
  resize(size);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center() + QPoint(0, look.belowCentre));
  }
  show();
  repaint();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TextNoticeWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().windowText().color());
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace vorelio
