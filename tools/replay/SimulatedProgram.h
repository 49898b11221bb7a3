// The program's controller, CPredarinView, on the simulated desktop, as a
// replayed session and the controller's benchmark run it: the real
// controller, hook library, generic output target and keystroke
// synthesizer, with fake applications in place of the user's, a manual
// clock for the message loop and its 100 ms timers, a speech engine and
// message boxes that keep what they were given, and no pictures.
//
// It works on a private copy of a data folder (DataFolderCopy), so the
// user's files never change, and logs events whatever the profile says.
// Single-threaded; one at a time per process (the simulated desktop is the
// hook library's desktop while it exists).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/PredarinView.h"
#include "output/HookLibrary.h"
#include "platform/MessageBox.h"
#include "platform/Messages.h"
#include "platform/PosixFileSystem.h"
#include "profiles/UserProfileProperties.h"
#include "speech/sim/RecordingSpeechEngine.h"
#include "testsupport/SimDesktop.h"
#include "tools/replay/DataFolderCopy.h"
#include "tools/replay/ReplayClock.h"
#include "platform/sim/RecordingProgramLauncher.h"
#include "tools/replay/ReplayWindows.h"

namespace vorelio {

// What the program did for the person since it was last asked.
struct ProgramHappenings {
  std::vector<std::string> messages;  // message boxes and questions (answered No)
  std::vector<std::string> spoken;    // texts the voice said
  std::vector<std::string> previews;  // texts the preview window showed
  std::vector<std::string> titles;    // titles the main window took
  std::vector<std::string> programs;  // programs keys asked to start (none is run)
  bool closeAsked = false;            // the program asked to end
  int beeps = 0;
};

class SimulatedProgram {
 public:
  // Copies `dataFolder` (a program path), writes `properties` as the
  // options of `profile` in the copy with REGISTAR_EVENTOS 1, and opens the
  // profile in a new controller. The profile must be one of the folder's.
  // Nothing, with `error` saying why (Windows-1252), when the copy cannot
  // be made.
  static std::unique_ptr<SimulatedProgram> Start(const std::string& dataFolder,
                                                 const std::string& profile,
                                                 CUserProfileProperties properties,
                                                 std::string& error);
  // Closes the controller if it is still open, then removes the copy.
  ~SimulatedProgram();
  SimulatedProgram(const SimulatedProgram&) = delete;
  SimulatedProgram& operator=(const SimulatedProgram&) = delete;

  // The controller; only until Close.
  CPredarinView& View() { return *view_; }
  sim::SimDesktop& Desktop() { return desktop_; }
  // The copy of the data folder, ending in "/".
  const std::string& DataFolder() const { return copy_->Path(); }

  // Delivers the messages posted now.
  void Pump();
  // `ms` of simulated time pass, at most one timer period at a time, with
  // every message and timer that falls due delivered on the way.
  void PassTime(int64_t ms);
  // Milliseconds of simulated time since the start.
  int64_t Elapsed() { return loopClock_.NowMs(); }

  // Brings the application NAME to the front, adding it the first time
  // (process "/usr/bin/NAME", title NAME), and lets time pass, tick by
  // tick, until the controller has made it its target (about 500 ms
  // after the focus change; nothing when it already is). False when it
  // has not after 2 s.
  bool FocusApplication(std::string_view name);
  // The application in front; null when none is.
  const sim::SimApplication* Foreground() const;
  // Every application, in the order they were added.
  std::vector<const sim::SimApplication*> Applications() const;

  // What the program did since the last call.
  ProgramHappenings TakeHappenings();

  // Closes the controller as the program closes: the logging period ends
  // and the vocabulary is saved (into the copy).
  void Close();
  // The event logs in the copy as (file name, Windows-1252 contents), by
  // name; complete after Close.
  std::vector<std::pair<std::string, std::string>> EventLogs();

 private:
  SimulatedProgram(std::unique_ptr<DataFolderCopy> copy, const std::string& voice);

  std::unique_ptr<DataFolderCopy> copy_;
  PosixFileSystem files_;
  ManualLoopClock loopClock_;
  MessageLoop loop_{loopClock_};
  ReplayClock clock_;
  RecordingMessageBox messages_;
  sim::SimDesktop desktop_{messages_};
  LinkedHookLibrary hooks_;
  RecordingSpeechEngine speechEngine_;
  DesktopForeground foreground_{desktop_};
  StillMainWindow mainWindow_;
  KeptPreview preview_;
  CountingBeeper beeper_;
  RecordingProgramLauncher launcher_;  // a replay starts no program
  const std::string voice_;
  std::vector<WindowHandle> applications_;
  std::size_t messagesTaken_ = 0;
  std::size_t questionsTaken_ = 0;
  std::size_t spokenTaken_ = 0;
  std::unique_ptr<CPredarinView> view_;  // last: it uses everything above
};

}  // namespace vorelio
