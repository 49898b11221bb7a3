#include "gui/OffscreenGui.h"

#include <QGuiApplication>

#include <cstdlib>

#include "gui/QtKeyFontMetrics.h"

namespace vorelio {

struct OffscreenGui::State {
  int argc = 1;
  char name[16] = "vorelio";
  char* argv[2] = {name, nullptr};
  QGuiApplication application{argc, argv};
};

OffscreenGui::OffscreenGui() {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  state_ = std::make_unique<State>();
}

OffscreenGui::~OffscreenGui() = default;

std::unique_ptr<KeyFontMetrics> MeasureKeyFont(std::string_view face, int points) {
  return std::make_unique<QtKeyFontMetrics>(face, points);
}

}  // namespace vorelio
