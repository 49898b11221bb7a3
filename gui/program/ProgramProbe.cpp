#include "gui/program/ProgramProbe.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <string>

#include "gui/ProgramWindow.h"

namespace vorelio {
namespace {

// Paints the window itself when its update request comes, so that the
// moment after the paint and the flush can be taken.
class PaintFilter final : public QObject {
 public:
  explicit PaintFilter(QObject* window) : window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || event->type() != QEvent::UpdateRequest) return false;
    watched->event(event);
    ++paints;
    lastPaint = std::chrono::steady_clock::now();
    return true;
  }
  int paints = 0;
  ProgramProbe::TimePoint lastPaint{};

 private:
  QObject* window_;
};

}  // namespace

struct ProgramProbe::State {
  std::string program = "predarin-bench";
  std::string platformOption = "-platform";
  std::string platform;
  char* arguments[4] = {};
  int count = 3;
  std::unique_ptr<QApplication> application;
  std::unique_ptr<PaintFilter> paints;
};

ProgramProbe::ProgramProbe(const char* displayName) : state_(std::make_unique<State>()) {
  state_->platform = std::string("xcb:display=") + displayName;
  state_->arguments[0] = state_->program.data();
  state_->arguments[1] = state_->platformOption.data();
  state_->arguments[2] = state_->platform.data();
  state_->application = std::make_unique<QApplication>(state_->count, state_->arguments);
}

ProgramProbe::~ProgramProbe() = default;

bool ProgramProbe::RunUntil(const std::function<bool()>& done, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    // Spinning: a wait would add its own delay to what is measured.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return true;
}

void ProgramProbe::WatchPaints(ProgramWindow& window) {
  state_->paints = std::make_unique<PaintFilter>(&window);
  window.installEventFilter(state_->paints.get());
}

int ProgramProbe::Paints() const { return state_->paints ? state_->paints->paints : 0; }

ProgramProbe::TimePoint ProgramProbe::LastPaint() const {
  return state_->paints ? state_->paints->lastPaint : TimePoint{};
}

bool ProgramProbe::FocusEditor(ProgramWindow& window) {
  QWidget* editor = window.EditorWidget();
  if (editor == nullptr) return false;
  window.activateWindow();
  window.raise();
  editor->setFocus();
  return RunUntil([&] { return window.isActiveWindow() && editor->hasFocus(); }, 3000);
}

}  // namespace vorelio
