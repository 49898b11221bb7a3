// predarin-simulate works on the profiles of the data folder and says what
// it wrote.
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace vorelio {
namespace {

using testing::TempFolder;

using testing::ToolRun;

ToolRun Simulate(const std::string& arguments) {
  return testing::RunTool(VORELIO_SIMULATE_TOOL, arguments);
}

std::vector<std::string> FileNames(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class SimulateTool : public ::testing::Test {
 protected:
  SimulateTool() {
    folder.Write("geral.pal", "casa 10\ncarro 5\n");
    for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.frs", "geral.paf"})
      folder.Write(name, "");
    text = texts.Write("texto.txt", "a casa\n");
  }
  TempFolder folder, texts;
  std::string text;
};

TEST_F(SimulateTool, AProfileTheFolderDoesNotHaveIsRefusedAndNothingIsCreated) {
  folder.Write("rui.cfg", "ADAPTACAO_UTILIZADOR 1\n");  // options, but not a listed profile
  const auto before = FileNames(folder);
  const ToolRun run = Simulate("--data " + folder.Path() + " --profile rui " + text);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("no profile rui"), std::string::npos) << run.output;
  EXPECT_EQ(FileNames(folder), before);
}

TEST_F(SimulateTool, ResultsAreReportedOnceWritten) {
  folder.Write("utils", "ana\n");
  const ToolRun run = Simulate("--data " + folder.Path() + " --profile ana --results " + text);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::size_t at = run.output.find("results: " + folder.Path() + "ana ");
  ASSERT_NE(at, std::string::npos) << run.output;
  const std::string path = run.output.substr(at + 9, run.output.find('\n', at) - at - 9);
  EXPECT_TRUE(path.ends_with(".sim"));
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
}

}  // namespace
}  // namespace vorelio
