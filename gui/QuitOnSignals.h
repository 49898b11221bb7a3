// SIGTERM, SIGINT and SIGHUP (the session ending, Ctrl+C in a terminal)
// end the program as closing its window does: Qt's event loop returns and
// the shutdown saves run, so a logout loses none of the user's vocabulary.
#pragma once

namespace vorelio {

// Call once, after the QApplication exists. False when the signals cannot
// be caught (they then end the process as before).
bool QuitOnTerminationSignals();

}  // namespace vorelio
