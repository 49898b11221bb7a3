#include "gui/program/DesktopForegroundWatch.h"

namespace vorelio {

ForegroundWindow DesktopForegroundWatch::Foreground() {
  ForegroundWindow foreground;
  foreground.window = desktop_.Foreground();
  if (foreground.window == 0) return foreground;
  foreground.title = desktop_.Title(foreground.window);
  const uint32_t client = desktop_.ThreadOfWindow(foreground.window);
  // The program's windows share one connection, so one client.
  foreground.ownThread =
      client != 0 && client == desktop_.ThreadOfWindow(static_cast<DesktopWindow>(
                                   programWindow_.winId()));
  return foreground;
}

}  // namespace vorelio
