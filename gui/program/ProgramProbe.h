// What benchmarks watch of the program running in their own process: Qt's
// application on a chosen X display, Qt's events (and with them the
// program's messages) processed while they wait, and the moments the main
// window's paints have reached the display. Callers see no Qt type.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace vorelio {

class ProgramWindow;

class ProgramProbe {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  // Starts Qt's application on the xcb platform of `displayName`; one per
  // process, before any ProgramSession.
  explicit ProgramProbe(const char* displayName);
  ~ProgramProbe();
  ProgramProbe(const ProgramProbe&) = delete;
  ProgramProbe& operator=(const ProgramProbe&) = delete;

  // Processes events until `done` answers true (true) or `ms` have passed
  // (false), without ever sleeping: it keeps one processor busy.
  bool RunUntil(const std::function<bool()>& done, int ms);

  // From now on each paint of `window` (an update request painted and
  // flushed to the display) is counted, with the time it ended.
  void WatchPaints(ProgramWindow& window);
  int Paints() const;
  TimePoint LastPaint() const;

  // Makes the window the active one with the keyboard focus in its
  // message editor; false when it has no editor or the focus did not come
  // within 3 s.
  bool FocusEditor(ProgramWindow& window);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorelio
