#include "gui/QtWaitNotice.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include "gui/NoFocusWindow.h"
#include "gui/QtText.h"

namespace vorelio {
namespace {

// Light grey on near black, as the program's other notices.
constexpr int32_t kTextColour = 0xE4E4E4;
constexpr int32_t kBackgroundColour = 0x161616;

}  // namespace

QtWaitNotice::QtWaitNotice(QWidget* parent)
    : QLabel(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFont(QFont("Tahoma", 20));
  setMargin(10);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(kBackgroundColour));
  colours.setColor(QPalette::WindowText, ToQColor(kTextColour));
  setPalette(colours);
  KeepFocusAway(*this);
}

void QtWaitNotice::ShowText(std::string_view text) {
  setText(ToQString(text));
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  show();
  repaint();
}

}  // namespace vorelio
