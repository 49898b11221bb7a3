#include "gui/ScreenGrab.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QSaveFile>
#include <QScreen>

#include <cstdlib>

namespace vorelio {

bool SaveScreenPng(const char* displayName, const std::string& pngPath, std::string& error) {
  const char* display = displayName != nullptr ? displayName : std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    error = "no display";
    return false;
  }
  std::string program = "predarin-screenshot";
  std::string platformOption = "-platform";
  std::string platform = std::string("xcb:display=") + display;
  char* arguments[] = {program.data(), platformOption.data(), platform.data(), nullptr};
  int count = 3;
  QGuiApplication application(count, arguments);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    error = "the display has no screen";
    return false;
  }
  const QPixmap picture = screen->grabWindow(0);
  QSaveFile file(QString::fromStdString(pngPath));
  if (picture.isNull() || !file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") ||
      !file.commit()) {
    error = "cannot write " + pngPath;
    return false;
  }
  return true;
}

}  // namespace vorelio
