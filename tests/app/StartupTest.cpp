#include <sys/stat.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Startup.h"
#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"
#include "profiles/SystemOptions.h"

namespace vorelio {
namespace {

constexpr char kInstallation[] = "/usr/share/vorelio/";
constexpr char kDataFolder[] = "/home/ana/.local/share/Tessaral/Vorelio 3.0/";

// An installation as a Windows one may hold it: data files, program files,
// a gallery and another sub-folder.
class FirstStart : public ::testing::Test {
 protected:
  FirstStart() {
    files_.AddFile("/usr/share/vorelio/geral.dic", "dicionario");
    files_.AddFile("/usr/share/vorelio/generico.cfg", "opcoes");
    files_.AddFile("/usr/share/vorelio/Predarin.exe", "programa");
    files_.AddFile("/usr/share/vorelio/HookPredarin.DLL", "biblioteca");
    files_.AddFile("/usr/share/vorelio/uninst.isu", "desinstalar");
    files_.AddFile("/usr/share/vorelio/CAT_IMG_Comida/p\xE3o.bmp", "BM");
    files_.AddFile("/usr/share/vorelio/Documentos/leia-me.txt", "texto");
    files_.AddFolder("/home/ana");
    environment_.home = "/home/ana";
  }

  StartResult Start() {
    return StartProgram(lock_, files_, messages_, environment_, kInstallation);
  }
  std::vector<std::string> DataFolderPaths() {
    std::vector<std::string> paths;
    for (const std::string& path : files_.Paths())
      if (path.starts_with(kDataFolder) && path != kDataFolder)
        paths.push_back(path.substr(sizeof kDataFolder - 1));
    return paths;
  }

  // The real lock in a folder of the test's own.
  testing::TempFolder runtime_;
  FlockInstanceLock lock_{runtime_.Path()};
  MemoryFileSystem files_;
  RecordingMessageBox messages_;
  FolderEnvironment environment_;
};

TEST_F(FirstStart, CopiesDataFilesAndGalleriesButNoProgramFiles) {
  const StartResult result = Start();
  ASSERT_EQ(result.outcome, StartResult::Outcome::kReady);
  EXPECT_EQ(result.installationFolder, kInstallation);
  EXPECT_EQ(result.dataFolder, kDataFolder);
  EXPECT_EQ(DataFolderPaths(), (std::vector<std::string>{
                                   "CAT_IMG_Comida/", "CAT_IMG_Comida/p\xE3o.bmp",
                                   "generico.cfg", "geral.dic"}));
  EXPECT_EQ(files_.ReadFile(std::string(kDataFolder) + "CAT_IMG_Comida/p\xE3o.bmp"), "BM");
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(FirstStart, ALaterStartCopiesNothingEvenWhenFilesWereDeleted) {
  ASSERT_EQ(Start().outcome, StartResult::Outcome::kReady);
  ASSERT_TRUE(files_.Remove(std::string(kDataFolder) + "geral.dic"));
  files_.AddFile("/usr/share/vorelio/novo.cfg", "novo");
  ASSERT_EQ(Start().outcome, StartResult::Outcome::kReady);
  EXPECT_EQ(DataFolderPaths(), (std::vector<std::string>{
                                   "CAT_IMG_Comida/", "CAT_IMG_Comida/p\xE3o.bmp",
                                   "generico.cfg"}));
}

TEST_F(FirstStart, CopiesOnlyWhenBothFoldersAreNew) {
  files_.AddFolder("/home/ana/.local/share/Tessaral/Outro produto");
  ASSERT_EQ(Start().outcome, StartResult::Outcome::kReady);
  EXPECT_TRUE(DataFolderPaths().empty());
}

TEST_F(FirstStart, ASecondCopyEndsWithoutTouchingAnything) {
  FlockInstanceLock running(runtime_.Path());
  ASSERT_EQ(running.TryAcquire(), InstanceLockOutcome::kAcquired);
  const std::vector<std::string> before = files_.Paths();
  EXPECT_EQ(Start().outcome, StartResult::Outcome::kAlreadyRunning);
  EXPECT_EQ(files_.Paths(), before);
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(FirstStart, AMissingInstallationIsReportedAndTheStartFails) {
  environment_.installationOverride = "/opt/nada";
  EXPECT_EQ(Start().outcome, StartResult::Outcome::kFailed);
  EXPECT_EQ(messages_.messages,
            (std::vector<std::string>{
                "O Vorelio n\xE3o se encontra correctamente instalado neste computador!",
                "N\xE3o foi poss\xEDvel copiar os ficheiros do Vorelio para este utilizador."}));
  EXPECT_FALSE(files_.Status("/home/ana/.local/share/Tessaral"));
}

TEST_F(FirstStart, FailuresToMakeOrFillTheFolderAreReported) {
  const std::vector<std::string> copyFailed{
      "N\xE3o foi poss\xEDvel copiar os ficheiros do Vorelio para este utilizador."};
  files_.AddFile("/home/ana/.local/share/Tessaral", "um ficheiro no caminho");
  EXPECT_EQ(Start().outcome, StartResult::Outcome::kFailed);
  EXPECT_EQ(messages_.messages, copyFailed);

  MemoryFileSystem emptyHome;
  emptyHome.AddFile("/usr/share/vorelio/geral.dic", "dicionario");
  FaultyFileSystem faulty(emptyHome);
  faulty.FailNext(FileOperation::kWrite, 0, "geral.dic");
  messages_.messages.clear();
  EXPECT_EQ(StartProgram(lock_, faulty, messages_, environment_, kInstallation).outcome,
            StartResult::Outcome::kFailed);
  EXPECT_EQ(messages_.messages, copyFailed);

  messages_.messages.clear();
  EXPECT_EQ(StartProgram(lock_, files_, messages_, FolderEnvironment{}, kInstallation).outcome,
            StartResult::Outcome::kFailed);  // no home at all
  EXPECT_EQ(messages_.messages, copyFailed);
}

TEST(Folders, EnvironmentChoosesTheInstallationAndTheDataHome) {
  FolderEnvironment environment;
  environment.home = "/home/ana";
  EXPECT_EQ(InstallationFolder(environment, "/usr/share/vorelio"), "/usr/share/vorelio/");
  EXPECT_EQ(UserDataHome(environment), "/home/ana/.local/share/");
  environment.installationOverride = "/opt/instala\xC3\xA7\xC3\xA3o/";  // UTF-8
  environment.xdgDataHome = "dados";  // relative: ignored
  EXPECT_EQ(InstallationFolder(environment, "/usr/share/vorelio"), "/opt/instala\xE7\xE3o/");
  EXPECT_EQ(UserDataHome(environment), "/home/ana/.local/share/");
  environment.xdgDataHome = "/dados";
  EXPECT_EQ(UserDataHome(environment), "/dados/");
}

// The same first start on disk: names of galleries are UTF-8 there.
TEST(FolderOnDisk, AFirstStartCopiesIntoANewAccount) {
  testing::TempFolder installation, home;
  std::filesystem::create_directory(installation.File("CAT_IMG_A\xC3\xA7\xC3\xB5" "es"));
  installation.Write("CAT_IMG_A\xC3\xA7\xC3\xB5" "es/comer.bmp", "BM");
  installation.Write("geral.dic", "dicionario");
  installation.Write("setup.exe", "MZ");
  RecordingMessageBox messages;
  const std::optional<std::string> dataFolder = PrepareDataFolder(
      testing::DiskFiles(), installation.Path(), home.Path() + ".local/share/", messages);
  ASSERT_TRUE(dataFolder);
  EXPECT_EQ(*dataFolder, home.Path() + ".local/share/Tessaral/Vorelio 3.0/");
  const std::string copied = ".local/share/Tessaral/Vorelio 3.0/";
  EXPECT_EQ(home.Read(copied + "CAT_IMG_A\xC3\xA7\xC3\xB5" "es/comer.bmp"), "BM");
  EXPECT_EQ(home.Read(copied + "geral.dic"), "dicionario");
  EXPECT_FALSE(home.Exists(copied + "setup.exe"));
}

TEST(StartProfile, AnEmptyStartProfileOpensTheGenericOne) {
  CSystemOptions options;
  options.ReadFrom("PERFIL_UTILIZADOR_ARRANQUE\n");
  EXPECT_EQ(StartProfileName(options), "generico");
  options.ReadFrom("PERFIL_UTILIZADOR_ARRANQUE ana\n");
  EXPECT_EQ(StartProfileName(options), "ana");
}

}  // namespace
}  // namespace vorelio
