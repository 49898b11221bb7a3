// The simulator dialog's runs over the controller's current profile and
// dictionary: the text's source, the runs of each type, what the dialog is
// told and what the results file and the profile keep.
#include "ControllerFixture.h"
#include "app/SimulationSession.h"

namespace vorelio::testing {
namespace {

class RecordingProgress final : public SimulationProgress {
 public:
  void Started(int64_t words) override { totalWords = words; }
  void RunStarted(int run, int runs) override {
    runStarts.push_back(std::to_string(run) + "/" + std::to_string(runs));
  }
  bool WordSimulated(std::string_view word, const SimulationFigures& figures) override {
    words.emplace_back(word);
    last = figures;
    return words.size() < stopAfter;
  }
  int64_t totalWords = -1;
  std::vector<std::string> runStarts;
  std::vector<std::string> words;
  SimulationFigures last;
  std::size_t stopAfter = SIZE_MAX;
};

class SimulationSessionTest : public ControllerTest {
 protected:
  void SetUp() override { Start({{"ADAPTACAO_UTILIZADOR", "0"}}); }
  bool Run(const SimulationRequest& request) {
    SimulationSession session(DiskFiles(), messages, clock, clipboard, folder.Path(),
                              *view->Profiles().Current(), *view->Dictionary());
    return session.Run(request, progress);
  }
  SimulationRequest FromFile(std::string_view text, SimulationType type) {
    return {SimulationSource::kFile, folder.Write("texto.txt", text), type, false};
  }
  // The lines of the results files of the data folder.
  std::vector<std::string> ResultLines() const {
    std::vector<std::string> lines;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      if (entry.path().extension() != ".sim") continue;
      std::istringstream in(folder.Read(entry.path().filename().string()));
      for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    return lines;
  }

  FakeClipboard clipboard;
  RecordingProgress progress;
};

TEST_F(SimulationSessionTest, OneRunShowsEveryWordAndWritesOneResultsLine) {
  SimulationRequest request = FromFile("bom dia\ncasa\n", SimulationType::kCurrentValues);
  request.saveResults = true;
  ASSERT_TRUE(Run(request));
  EXPECT_EQ(progress.totalWords, 3);
  EXPECT_EQ(progress.runStarts, std::vector<std::string>{"1/1"});
  EXPECT_EQ(progress.words, (std::vector<std::string>{"bom", "dia", "casa"}));
  EXPECT_EQ(progress.last.words, 3);
  EXPECT_EQ(progress.last.characters, 13);
  ASSERT_EQ(ResultLines().size(), 1u);
  EXPECT_EQ(ResultLines()[0].substr(0, 5), "3\t13\t");
}

TEST_F(SimulationSessionTest, TheAutomaticFactorsRunSixTimesAndLeaveTheLastRunsFactors) {
  SimulationRequest request = FromFile("bom dia\n", SimulationType::kAutomaticFactors);
  request.saveResults = true;
  ASSERT_TRUE(Run(request));
  EXPECT_EQ(progress.totalWords, 12);
  EXPECT_EQ(ResultLines().size(), 6u);
  const UserProfileOptions& options = view->Options();
  EXPECT_EQ(options.userAdaptation, 1);
  EXPECT_EQ(options.wordClassCoefficient, 0);
  EXPECT_EQ(options.userWordPairCoefficient, 100);
}

TEST_F(SimulationSessionTest, StoppingWritesNoLineForTheUnfinishedRun) {
  SimulationRequest request = FromFile("bom dia casa\n", SimulationType::kCurrentValues);
  request.saveResults = true;
  progress.stopAfter = 1;
  EXPECT_TRUE(Run(request));
  EXPECT_EQ(progress.words.size(), 1u);
  EXPECT_TRUE(ResultLines().empty());
}

TEST_F(SimulationSessionTest, TheClipboardsTextIsCopiedToItsFileAndReplayed) {
  clipboard.text = "bom dia";
  ASSERT_TRUE(Run({SimulationSource::kClipboard, {}, SimulationType::kCurrentValues, false}));
  EXPECT_EQ(progress.words, (std::vector<std::string>{"bom", "dia"}));
  EXPECT_EQ(folder.Read("ClipboardFile.tmp"), "bom dia");
}

TEST_F(SimulationSessionTest, ATextThatCannotRunIsToldAndNothingStarts) {
  clipboard.text = std::string(10000, 'a');
  EXPECT_FALSE(Run({SimulationSource::kClipboard, {}, SimulationType::kCurrentValues, false}));
  EXPECT_FALSE(folder.Exists("ClipboardFile.tmp"));
  EXPECT_FALSE(Run(FromFile(" ... \n", SimulationType::kCurrentValues)));
  EXPECT_EQ(messages.messages.back(), "O texto a simular n\xE3o cont\xE9m palavras.");
  EXPECT_FALSE(Run(
      {SimulationSource::kFile, folder.File("nada.txt"), SimulationType::kCurrentValues, false}));
  EXPECT_EQ(messages.messages.back(),
            "N\xE3o foi poss\xEDvel ler o ficheiro " + folder.File("nada.txt") + ".");
  EXPECT_EQ(progress.totalWords, -1);
}

}  // namespace
}  // namespace vorelio::testing
