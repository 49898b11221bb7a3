// predarin: starts the program. One copy per user session; the data folder
// is made ready (and filled from the installation folder at a user's first
// start), then the main window opens on the start profile.
#include <QApplication>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/Startup.h"
#include "gui/QtMessageBox.h"
#include "gui/QuitOnSignals.h"
#include "gui/program/ProgramSession.h"
#include "output/x11/X11Foreground.h"
#include "platform/InstanceLock.h"
#include "platform/PosixFileSystem.h"

namespace {

constexpr const char* kNoDisplayMessage =
    "Vorelio: n\xC3\xA3o h\xC3\xA1 nenhum ecr\xC3\xA3 X11 dispon\xC3\xADvel (DISPLAY=%s).\n"
    "O Vorelio precisa de uma sess\xC3\xA3o gr\xC3\xA1" "fica X11 (ou XWayland). Sem ecr\xC3\xA3, "
    "corra-o sob Xvfb: scripts/run.sh\n"
    "(No X11 display: run it in an X11 or XWayland session, or under Xvfb with scripts/run.sh.)\n";

// The installation folder: "share/vorelio" beside the "bin" folder of an
// installed program, else the project's data/ of the build tree.
std::string CompiledInInstallationFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && executable.parent_path().filename() == "bin") {
    const std::filesystem::path shared = executable.parent_path().parent_path() / "share" / "vorelio";
    if (std::filesystem::is_directory(shared, error)) return shared.string() + "/";
  }
  return VORELIO_DATA_DIR;
}

bool DisplayReachable() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return false;
  return vorelio::X11Foreground(display).IsOpen();
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayReachable()) {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, kNoDisplayMessage, display != nullptr ? display : "");
    return 1;
  }
  // The program's windows must be X11 windows: the desktop layer finds
  // them among the others by their X client.
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vorelio"));
  QApplication::setDesktopFileName(QStringLiteral("vorelio"));

  using namespace vorelio;
  QtMessageBox messages;
  PosixFileSystem files;
  FlockInstanceLock lock(FlockInstanceLock::PrivateFolderFromEnvironment());
  const StartResult start = StartProgram(lock, files, messages, FolderEnvironment::FromProcess(),
                                         CompiledInInstallationFolder());
  if (start.outcome == StartResult::Outcome::kAlreadyRunning) return 0;
  if (start.outcome != StartResult::Outcome::kReady) return 1;

  QuitOnTerminationSignals();
  ProgramSession session(start.dataFolder, messages);
  session.Start();
  return application.exec();
}
