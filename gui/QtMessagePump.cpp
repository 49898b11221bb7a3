#include "gui/QtMessagePump.h"

#include <algorithm>

#include "platform/Messages.h"

namespace vorelio {

QtMessagePump::QtMessagePump(MessageLoop& loop, QObject* parent)
    : QObject(parent),
      loop_(loop),
      wakeNotifier_(loop.WakeDescriptor(), QSocketNotifier::Read) {
  nextTimer_.setSingleShot(true);
  nextTimer_.setTimerType(Qt::PreciseTimer);
  connect(&wakeNotifier_, &QSocketNotifier::activated, this, &QtMessagePump::DispatchAndRearm);
  connect(&nextTimer_, &QTimer::timeout, this, &QtMessagePump::DispatchAndRearm);
  // Timers set before the pump came may have had their wake-up drained by
  // an earlier dispatch: the first turn of Qt's loop arms for them.
  QTimer::singleShot(0, this, &QtMessagePump::DispatchAndRearm);
}

void QtMessagePump::DispatchAndRearm() {
  // A handler may run a nested Qt event loop (a message box) that calls
  // this again; the loop allows that, and the outer call re-arms after.
  loop_.DispatchPending();
  const std::optional<int64_t> untilNextMs = loop_.MsUntilNextTimer();
  if (!untilNextMs) {
    nextTimer_.stop();
    return;
  }
  // Right after a dispatch the next timer is at most one period away; the
  // bound only keeps the count within QTimer's int.
  nextTimer_.start(static_cast<int>(std::min<int64_t>(*untilNextMs, kTimerPeriodMs)));
}

}  // namespace vorelio
