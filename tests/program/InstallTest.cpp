// cmake --install puts a program that runs where it was put: its hook
// library found beside it, the initial data in the share folder it reads a
// new user's data folder from, a desktop entry and an icon; and that program
// says clearly when there is no display.
#include "tests/program/ProgramFixture.h"

#include <cstdio>

namespace vorelio {
namespace {

using testing::RunningProgram;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(RunningProgram, AnInstalledProgramRunsFromItsPrefixAndFillsANewUsersFolderFromIt) {
  const std::string prefix = folder_.File("prefix");
  const std::string install = std::string(VORELIO_CMAKE) + " --install " + VORELIO_BUILD_DIR +
                              " --prefix '" + prefix + "' > '" + folder_.File("install.txt") +
                              "' 2>&1";
  ASSERT_EQ(std::system(install.c_str()), 0) << ReadAll(folder_.File("install.txt"));
  for (const char* file : {"bin/predarin", "bin/predarin-predict", "lib/libHookPredarin.so",
                           "share/vorelio/generico.cfg", "share/vorelio/QwertySimples.tec",
                           "share/vorelio/CAT_IMG_Comida", "share/applications/vorelio.desktop",
                           "share/icons/hicolor/scalable/apps/vorelio.svg"}) {
    EXPECT_TRUE(std::filesystem::exists(prefix + "/" + file)) << file;
  }
  const std::string entry = ReadAll(prefix + "/share/applications/vorelio.desktop");
  EXPECT_NE(entry.find("\nExec=predarin\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=vorelio\n"), std::string::npos);

  // Without a display it says so and ends.
  const std::string errors = folder_.File("no-display.txt");
  const pid_t alone = testing::SpawnProgram(prefix + "/bin/predarin", {"PATH=/usr/bin:/bin"},
                                            errors);
  EXPECT_EQ(testing::ReapProgram(alone, 10000), 1);
  EXPECT_NE(ReadAll(errors).find("n\xC3\xA3o h\xC3\xA1 nenhum ecr\xC3\xA3 X11"), std::string::npos)
      << ReadAll(errors);

  // With one, and no installation folder named, it reads its own share folder.
  std::vector<std::string> environment;
  for (const std::string& variable : folders_->Environment(server_->Name())) {
    if (variable.rfind("VORELIO_INSTALL_DIR=", 0) != 0) environment.push_back(variable);
  }
  const pid_t program = testing::SpawnProgram(prefix + "/bin/predarin", environment,
                                              folder_.File("program-errors.txt"));
  ASSERT_NE(WaitForMainWindow(), 0u) << ReadAll(folder_.File("program-errors.txt"));
  kill(program, SIGTERM);
  EXPECT_EQ(testing::ReapProgram(program, 10000), 0);
  EXPECT_TRUE(std::filesystem::exists(DataFolder() + "/geral.pal"));
  EXPECT_TRUE(std::filesystem::exists(DataFolder() + "/CAT_IMG_Comida"));
}

}  // namespace
}  // namespace vorelio
