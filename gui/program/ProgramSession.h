// The running program: the controller and everything it is lent, on the X
// display and Qt, made in order once the data folder is ready, and taken
// apart in the reverse order at the end, which is where the shutdown saves
// happen (the logging period ends, the vocabulary and the system options
// are saved).
#pragma once

#include <memory>
#include <string>

#include "app/MenuCommands.h"
#include "app/PredarinView.h"
#include "gui/ProgramWindow.h"
#include "gui/QtBeeper.h"
#include "gui/QtClipboard.h"
#include "gui/QtKeyPictureLoader.h"
#include "gui/QtMessageBox.h"
#include "gui/QtMainMenu.h"
#include "gui/QtMessagePump.h"
#include "gui/QtOptionDialogs.h"
#include "gui/QtPreviewWindow.h"
#include "gui/QtProgramDialogs.h"
#include "gui/QtStartSignalWindow.h"
#include "gui/program/DesktopForegroundWatch.h"
#include "keyboards/KeySoundPlayer.h"
#include "logging/LoggingStartSignal.h"
#include "logging/UserRecord.h"
#include "output/HookLibrary.h"
#include "output/x11/X11FocusWatcher.h"
#include "output/x11/X11Foreground.h"
#include "output/x11/X11KeystrokeSink.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/PosixFileSystem.h"
#include "platform/PosixProgramLauncher.h"
#include "platform/linux/AlsaAudioOutput.h"
#include "profiles/SystemOptions.h"
#include "speech/espeak/EspeakSpeechEngine.h"

namespace vorelio {

class ProgramSession {
 public:
  // `dataFolder`: the user's data folder, ready (a program path ending in
  // "/"). `messages` must outlive the session.
  ProgramSession(std::string dataFolder, QtMessageBox& messages);
  ~ProgramSession();
  ProgramSession(const ProgramSession&) = delete;
  ProgramSession& operator=(const ProgramSession&) = delete;

  // What follows the main window's creation: the configurator records and
  // the system options are read, the start profile is opened and applied,
  // and the window is shown as the profile's start options say.
  void Start();

  ProgramWindow& Window() { return window_; }
  CPredarinView& View() { return *view_; }
  CSystemOptions& SystemOptions() { return systemOptions_; }

 private:
  class FocusRelay;
  class ProfilePictureMaker;

  MessageEditorParts MakeMessageEditor();

  const std::string dataFolder_;
  QtMessageBox& messages_;
  PosixFileSystem files_;
  SystemClock clock_;
  SteadyLoopClock loopClock_;
  MessageLoop loop_{loopClock_};
  QtMessagePump pump_{loop_};
  AlsaAudioOutput audio_;
  EspeakSpeechEngine speechEngine_{audio_};
  X11KeystrokeSink keystrokes_;
  X11Foreground desktop_;
  LinkedHookLibrary hooks_;
  PosixProgramLauncher launcher_;
  QtKeyPictureLoader pictures_{files_};
  KeySoundPlayer keySounds_{audio_, files_, dataFolder_};
  QtStartSignalWindow startSignalWindow_;
  LoggingStartSignal startSignal_{startSignalWindow_, audio_, files_, clock_, dataFolder_};
  QtPreviewWindow preview_;
  QtBeeper beeper_;
  QtClipboard clipboard_;
  CUserRecord userRecord_{files_, messages_, clock_};
  CSystemOptions systemOptions_;
  ProgramWindow window_{preview_, [this] { return MakeMessageEditor(); }};
  DesktopForegroundWatch foreground_{desktop_, window_};
  std::unique_ptr<CPredarinView> view_;
  std::unique_ptr<ProfilePictureMaker> pictureMaker_;
  // The menu and the dialogs it opens; they go before the controller.
  std::unique_ptr<QtProgramDialogs> programDialogs_;
  std::unique_ptr<QtOptionDialogs> optionDialogs_;
  std::unique_ptr<MenuCommands> menuCommands_;
  std::unique_ptr<QtMainMenu> menu_;
  std::unique_ptr<FocusRelay> focusRelay_;
  std::unique_ptr<X11FocusWatcher> focusWatcher_;
};

}  // namespace vorelio
