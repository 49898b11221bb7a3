// Starting programs for real: a script in a temporary folder writes a file,
// the test waits for it (with a generous limit, never measuring time) and
// then for the launcher to have reaped it.
#include "platform/PosixProgramLauncher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vorelio {
namespace {

using testing::TempFolder;

// True once `done` holds; false when it has not after a minute.
bool Eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 6000; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

class ProgramLauncherTest : public ::testing::Test {
 protected:
  // An executable script `name` that writes what `body` echoes into
  // `report`, then renames it to `report` + ".done", so the test never reads
  // a half-written file.
  std::string Script(const std::string& name, const std::string& body,
                     const std::string& report) {
    const std::string path = folder.Write(name, "#!/bin/sh\n{ " + body + "; } > '" +
                                                    folder.File(report) + ".tmp'\nmv '" +
                                                    folder.File(report) + ".tmp' '" +
                                                    folder.File(report) + ".done'\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  // What the script reported, once it has.
  std::string Report(const std::string& report) {
    EXPECT_TRUE(Eventually([&] { return folder.Exists(report + ".done"); })) << report;
    return folder.Read(report + ".done");
  }

  TempFolder folder;
  PosixProgramLauncher launcher;
};

TEST_F(ProgramLauncherTest, AProgramStartsWithoutArgumentsInTheSameFolderAndIsReaped) {
  const std::string program =
      Script("escreve.exe", "echo \"$#\"; pwd; echo \"$0\"", "relatorio");
  ASSERT_TRUE(launcher.Launch(program));
  const std::string here = std::filesystem::current_path().string();
  EXPECT_EQ(Report("relatorio"), "0\n" + here + "\n" + program + "\n");
  EXPECT_TRUE(Eventually([&] { return launcher.UnreapedPrograms() == 0; }));
}

TEST_F(ProgramLauncherTest, AWindowsPathIsTakenWithItsSeparatorsAndCharacters) {
  std::filesystem::create_directory(folder.File("Jogos"));
  // "Jogos/xadrez-ç.COM" on disk, in UTF-8.
  Script("Jogos/xadrez-\xc3\xa7.COM", "echo corri", "xadrez");
  std::string windowsPath = folder.Path() + "Jogos\\xadrez-\xe7.COM";
  ASSERT_TRUE(launcher.Launch(windowsPath));
  EXPECT_EQ(Report("xadrez"), "corri\n");
}

TEST_F(ProgramLauncherTest, TheProgramGetsNoneOfTheCallersOpenFiles) {
  const std::string kept = folder.Write("aberto", "");
  const int descriptor = ::open(kept.c_str(), O_RDONLY);  // inheritable
  ASSERT_GE(descriptor, 3);
  const std::string fd = std::to_string(descriptor);
  const std::string program = Script(
      "conta.exe",
      "if [ -e /proc/self/fd/" + fd + " ]; then echo herdado; else echo fechado; fi", "ficheiros");
  ASSERT_TRUE(launcher.Launch(program));
  EXPECT_EQ(Report("ficheiros"), "fechado\n");
  ::close(descriptor);
}

TEST_F(ProgramLauncherTest, WhatCannotRunIsRefusedAndNothingIsLeftBehind) {
  const std::string notExecutable = folder.Write("texto.exe", "#!/bin/sh\necho nunca\n");
  ::chmod(notExecutable.c_str(), 0644);
  std::filesystem::create_directory(folder.File("pasta.exe"));
  const std::string unknownFormat = folder.Write("windows.exe", std::string("MZ\x90\0\3\0\0\0", 8));
  ::chmod(unknownFormat.c_str(), 0755);

  EXPECT_FALSE(launcher.Launch("C:\\Jogos\\nao-existe.exe"));
  EXPECT_FALSE(launcher.Launch(folder.File("nao-existe.com")));
  EXPECT_FALSE(launcher.Launch(notExecutable));
  EXPECT_FALSE(launcher.Launch(folder.File("pasta.exe")));
  EXPECT_FALSE(launcher.Launch(""));
  EXPECT_EQ(launcher.UnreapedPrograms(), 0);
  // A Windows program runs only where the system is set up to run one.
  if (!std::filesystem::exists("/proc/sys/fs/binfmt_misc/wine") &&
      !std::filesystem::exists("/proc/sys/fs/binfmt_misc/DOSWin")) {
    EXPECT_FALSE(launcher.Launch(unknownFormat));
  }
}

}  // namespace
}  // namespace vorelio
