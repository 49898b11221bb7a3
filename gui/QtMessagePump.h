// Runs the program's message loop inside Qt's event loop of the GUI thread,
// so that posted messages (the hook's reports among them), window timers
// and painting take turns without any of them waiting for another and
// without polling: the loop's wake descriptor tells when a message came or
// a timer was set, and one precise single-shot timer fires when the next
// window timer is due. Each dispatch delivers what is pending and re-arms
// that timer.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

namespace vorelio {

class MessageLoop;

class QtMessagePump final : public QObject {
 public:
  // On the GUI thread, which must be the loop's thread; the loop must
  // outlive the pump. Whatever is already pending is delivered once Qt's
  // event loop runs. Once the pump is destroyed nothing more is dispatched
  // through it; the loop keeps its queue.
  explicit QtMessagePump(MessageLoop& loop, QObject* parent = nullptr);

 private:
  void DispatchAndRearm();

  MessageLoop& loop_;
  QSocketNotifier wakeNotifier_;
  QTimer nextTimer_;
};

}  // namespace vorelio
