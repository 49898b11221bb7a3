#include "gui/QuitOnSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace vorelio {
namespace {

int signalPipe[2] = {-1, -1};

// Only what is safe in a signal handler: one write.
void OnSignal(int) {
  const char byte = 1;
  (void)!write(signalPipe[1], &byte, 1);
}

}  // namespace

bool QuitOnTerminationSignals() {
  if (signalPipe[0] >= 0) return true;
  if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read,
                                       QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char bytes[16];
    while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    if (sigaction(signal, &action, nullptr) != 0) return false;
  }
  return true;
}

}  // namespace vorelio
