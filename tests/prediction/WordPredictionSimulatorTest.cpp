// The simulator's counters and figures on a hand-made dictionary, its text
// reading, learning and restoring, the run schedules, parallel runs and the
// results file.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "common/Text.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"
#include "prediction/SimulationResultsFile.h"
#include "prediction/SimulationRunner.h"
#include "prediction/SimulationSchedule.h"
#include "prediction/WordPredictionSimulator.h"

namespace vorelio {
namespace {

using testing::TempFolder;

// General words (total 260) and pairs: o -> gato, de -> casa.
constexpr std::string_view kWords = "casa 50\ncasaco 10\nde 100\ngato 20\no 80\n";
constexpr std::string_view kPairs = "de casa 5\no gato 10\n";

class SimulatorTest : public ::testing::Test {
 protected:
  SimulatorTest() {
    folder_.Write("geral.pal", kWords);
    folder_.Write("geral.par", kPairs);
    for (const char* name : {"geral.frs", "geral.paf", "p.pal", "p.par", "p.frs", "p.paf"})
      folder_.Write(name, "");
    dictionary_ = Load();
  }

  std::unique_ptr<CDictionary> Load() {
    auto dictionary = std::make_unique<CDictionary>(testing::DiskFiles(), messages_);
    dictionary->LoadDictionary(folder_.Path(), "p", true);
    return dictionary;
  }

  SimulationFigures Simulate(std::string_view text, const PredictionOptions& options = {}) {
    const std::string path = folder_.Write("text.txt", text);
    CWordPredictionSimulator simulator;
    EXPECT_EQ(simulator.Start(*dictionary_, options, path), SimulationStart::kStarted);
    while (simulator.Step()) {
    }
    const SimulationFigures figures = simulator.Figures();
    simulator.End();
    return figures;
  }

  TempFolder folder_;
  RecordingMessageBox messages_;
  std::unique_ptr<CDictionary> dictionary_;
};

TEST_F(SimulatorTest, FiguresOfAHandMadeText) {
  // O     : no previous word, never found: 1 letter + space typed; Shift+O.
  // gato  : a successor of "o", found at k = 0, position 0: one selection.
  // de    : no successor of "gato"; found after "d" at position 0.
  // casaco: after "de" only "casa" follows; after "c" casa (0), casaco (1).
  const SimulationFigures f = Simulate("O gato, de casaco.\n");
  EXPECT_EQ(f.words, 4);
  EXPECT_EQ(f.characters, 2 + 5 + 3 + 7);
  EXPECT_EQ(f.charactersTyped, 2 + 1 + 2 + 2);
  EXPECT_EQ(f.charactersSavedPercent, (17 - 7) * 100 / 17);
  EXPECT_EQ(f.keystrokes, 3 + 5 + 3 + 7);
  EXPECT_EQ(f.keystrokesTyped, 3 + 1 + 2 + 2);
  EXPECT_EQ(f.keystrokesSavedPercent, (18 - 8) * 100 / 18);
  EXPECT_EQ(f.predictions, 1 + 1 + 2 + 2);
  EXPECT_EQ(f.successfulPredictions, 3);
  EXPECT_DOUBLE_EQ(f.meanPosition, 1.0 / 3);
  EXPECT_DOUBLE_EQ(f.meanCharactersBefore, 2.0 / 3);
  EXPECT_EQ(ResultsLine(f), "4\t17\t7\t58\t18\t8\t55\t6\t3\t0.3\t0.7\n");
}

TEST_F(SimulatorTest, TheNextCharacterIsTheNextWordsFirstLetter) {
  // "AB" before "CD": the capital run goes on into the next word, so Caps
  // Lock is pressed once for "AB" and the space and "CD" need no Shift.
  const SimulationFigures f = Simulate("AB CD\n");
  EXPECT_EQ(f.keystrokes, (1 + 2 + 1) + (2 + 1));
}

TEST_F(SimulatorTest, LinesStartWithoutAPreviousWord) {
  // "gato" starts the second line: "o" is not its previous word there.
  const SimulationFigures sameLine = Simulate("o gato\n");
  const SimulationFigures twoLines = Simulate("o\ngato\n");
  EXPECT_EQ(sameLine.charactersTyped, 2 + 1);
  EXPECT_EQ(twoLines.charactersTyped, 2 + 2);  // "g", then gato is the only g-word
}

TEST_F(SimulatorTest, LearningHelpsLaterWordsAndIsUndoneAtEnd) {
  PredictionOptions learning;
  learning.userAdaptation = 1;
  PredictionOptions fixed;
  // Line 2's "casa" follows "gato" only by what line 1 taught.
  const std::string text = "gato casa\ngato casa\n";
  const std::string wordsBefore = folder_.Read("p.pal");
  const SimulationFigures without = Simulate(text, fixed);
  const SimulationFigures with = Simulate(text, learning);
  EXPECT_EQ(with.charactersTyped, without.charactersTyped - 1);

  EXPECT_EQ(dictionary_->UserWordTotal(), 0);
  EXPECT_EQ(dictionary_->UserPairTotal(), 0);
  EXPECT_EQ(dictionary_->WordCount(), 5);
  EXPECT_FALSE(dictionary_->File(DictionaryFile::kUserWords).modified);
  EXPECT_FALSE(dictionary_->File(DictionaryFile::kUserWordPairs).modified);
  EXPECT_EQ(folder_.Read("p.pal"), wordsBefore);
  EXPECT_EQ(Simulate(text, learning), with);  // the next run starts afresh
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SimulatorTest, UnsavedUserWordsAreSavedBeforeTheRunAndKept) {
  dictionary_->AddUserWord("gato", 3);
  PredictionOptions learning;
  learning.userAdaptation = 1;
  Simulate("gato gato\n", learning);
  EXPECT_EQ(folder_.Read("p.pal"), "gato 3\n");
  EXPECT_EQ(dictionary_->FindWord("gato")->userFrequency, 3);
  EXPECT_EQ(dictionary_->UserWordTotal(), 3);
}

TEST_F(SimulatorTest, MissingUserFilesAreCreatedSoTheReloadIsQuiet) {
  TempFolder bare;
  bare.Write("geral.pal", kWords);
  bare.Write("geral.par", kPairs);
  bare.Write("geral.frs", "");
  bare.Write("geral.paf", "");
  RecordingMessageBox messages;
  CDictionary dictionary(testing::DiskFiles(), messages);
  dictionary.LoadDictionary(bare.Path(), "novo", true);
  messages.messages.clear();  // the four missing user files
  PredictionOptions learning;
  learning.userAdaptation = 1;
  CWordPredictionSimulator simulator;
  ASSERT_EQ(simulator.Start(dictionary, learning, bare.Write("t.txt", "o gato\n")),
            SimulationStart::kStarted);
  while (simulator.Step()) {
  }
  simulator.End();
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(bare.Exists("novo.pal"));
  EXPECT_EQ(dictionary.UserWordTotal(), 0);
}

TEST_F(SimulatorTest, StartFailsOnMissingOrWordlessText) {
  CWordPredictionSimulator simulator;
  EXPECT_EQ(simulator.Start(*dictionary_, {}, folder_.File("absent.txt")),
            SimulationStart::kTextUnreadable);
  EXPECT_EQ(simulator.Start(*dictionary_, {}, folder_.Write("empty.txt", "")),
            SimulationStart::kTextEmpty);
  EXPECT_EQ(simulator.Start(*dictionary_, {}, folder_.Write("dots.txt", "...\n\n, ;\n")),
            SimulationStart::kTextEmpty);
  EXPECT_FALSE(simulator.Step());
  simulator.End();  // harmless without a run
  EXPECT_EQ(CWordPredictionSimulator::CountWords(testing::DiskFiles(), folder_.File("absent.txt")), 0);
  EXPECT_EQ(CWordPredictionSimulator::CountWords(testing::DiskFiles(), folder_.Write("c.txt", "a b\n\nc.\n")), 3);
}

TEST(SimulationTextTest, Utf8AndLongLinesKeepWhole) {
  const std::vector<SimulationLine> accents =
      SplitSimulationText(UserTextToCp1252("Ol\xC3\xA1, \xC2\xABmundo\xC2\xBB!\r\n\n"));
  ASSERT_EQ(accents.size(), 1u);
  EXPECT_EQ(accents[0], (SimulationLine{"Ol\xE1", "mundo"}));

  // 300 words of 4 letters: past the 499-character reading and the
  // splitter's 256 pieces, still one line with every word whole.
  std::string line;
  for (int i = 0; i < 300; ++i) line += (i % 2 ? "gato " : "casa ");
  const auto lines = SplitSimulationText(line + "\nfim\n");
  ASSERT_EQ(lines.size(), 2u);
  ASSERT_EQ(lines[0].size(), 300u);
  for (std::size_t i = 0; i < 300; ++i) EXPECT_EQ(lines[0][i], i % 2 ? "gato" : "casa");
  // A run of 600 letters without a separator is cut at 499.
  const auto run = SplitSimulationText(std::string(600, 'a'));
  ASSERT_EQ(run[0].size(), 2u);
  EXPECT_EQ(run[0][0].size(), 499u);
}

TEST(SimulationScheduleTest, RunsOfEachType) {
  PredictionOptions current;
  current.wordFrequencyCoefficient = 7;
  current.maxWordSuggestions = 5;
  const auto one = SimulationRuns(SimulationType::kCurrentValues, current);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].wordFrequencyCoefficient, 7);

  const auto six = SimulationRuns(SimulationType::kAutomaticFactors, current);
  ASSERT_EQ(six.size(), 6u);
  const auto factors = [](const PredictionOptions& o) {
    return std::vector<int32_t>{o.userAdaptation, o.wordFrequencyCoefficient,
                                o.wordPairCoefficient, o.wordClassCoefficient,
                                o.userWordFrequencyCoefficient, o.userWordPairCoefficient};
  };
  EXPECT_EQ(factors(six[0]), (std::vector<int32_t>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(factors(six[3]), (std::vector<int32_t>{0, 100, 100, 100, 0, 0}));
  EXPECT_EQ(factors(six[4]), (std::vector<int32_t>{1, 100, 100, 0, 100, 0}));
  EXPECT_EQ(factors(six[5]), (std::vector<int32_t>{1, 100, 100, 0, 100, 100}));
  EXPECT_EQ(six[5].maxWordSuggestions, 5);  // other options stay

  const auto gradual = SimulationRuns(SimulationType::kGradualFactors, current);
  ASSERT_EQ(gradual.size(), 255u);
  EXPECT_EQ(factors(gradual[0]), (std::vector<int32_t>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(factors(gradual[50]), (std::vector<int32_t>{0, 100, 0, 0, 0, 0}));
  EXPECT_EQ(factors(gradual[51]), (std::vector<int32_t>{0, 50, 0, 0, 0, 0}));
  EXPECT_EQ(factors(gradual[103]), (std::vector<int32_t>{0, 50, 50, 2, 0, 0}));
  EXPECT_EQ(factors(gradual[153]), (std::vector<int32_t>{1, 50, 50, 0, 0, 0}));
  EXPECT_EQ(factors(gradual[254]), (std::vector<int32_t>{1, 50, 50, 0, 50, 100}));
}

TEST_F(SimulatorTest, ParallelRunsGiveTheSequentialFigures) {
  const std::vector<SimulationLine> text = SplitSimulationText(
      "O gato de casa.\nde casa o gato casaco\nxyz o gato\ngato casa de o casaco casa\n");
  const auto runs = SimulationRuns(SimulationType::kAutomaticFactors, {});
  std::vector<std::size_t> order;
  SimulationCallbacks callbacks;
  callbacks.runFinished = [&](std::size_t run, const SimulationRunResult&) { order.push_back(run); };
  const auto parallel = RunSimulationsInParallel(
      *dictionary_, [&] { return Load(); }, runs, text, 2, callbacks);
  const auto sequential = RunSimulations(*dictionary_, runs, text);
  ASSERT_EQ(parallel.size(), runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(parallel[i].start, SimulationStart::kStarted);
    EXPECT_EQ(parallel[i].figures, sequential[i].figures) << "run " << i;
  }
  EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
  // The learning runs did learn something.
  EXPECT_NE(sequential[3].figures, sequential[5].figures);
}

TEST(SimulationResultsFileTest, NameLinesAndFailure) {
  TempFolder folder;
  LocalTime start;
  start.year = 2026, start.month = 12, start.day = 6, start.weekday = 0;
  start.hour = 0, start.minute = 27, start.second = 17;
  ManualClock clock(start);
  RecordingMessageBox messages;
  SimulationResultsFile file;
  ASSERT_TRUE(file.Create(testing::DiskFiles(), folder.Path(), "ana", clock, messages));
  EXPECT_EQ(file.Path(), folder.Path() + "ana Sun Dec 06 00-27-17 2026.sim");
  EXPECT_EQ(folder.Read("ana Sun Dec 06 00-27-17 2026.sim"), "");
  SimulationFigures f;
  f.words = 2;
  f.meanPosition = 1.25;
  ASSERT_TRUE(file.Append(f));
  ASSERT_TRUE(file.Append({}));
  EXPECT_EQ(folder.Read("ana Sun Dec 06 00-27-17 2026.sim"),
            "2\t0\t0\t0\t0\t0\t0\t0\t0\t1.2\t0.0\n0\t0\t0\t0\t0\t0\t0\t0\t0\t0.0\t0.0\n");
  EXPECT_TRUE(messages.messages.empty());

  SimulationResultsFile unwritable;
  EXPECT_FALSE(unwritable.Create(testing::DiskFiles(), folder.Path() + "absent/", "ana", clock, messages));
  EXPECT_EQ(messages.messages, (std::vector<std::string>{"Erro na abertura do ficheiro de metricas!"}));
  EXPECT_FALSE(unwritable.Append(f));
}

TEST(SimulationFiguresTest, EmptyCountsAndLabels) {
  const SimulationFigures none = FiguresOf({});
  EXPECT_EQ(none.charactersSavedPercent, 0);
  EXPECT_EQ(none.keystrokesSavedPercent, 0);
  EXPECT_EQ(none.meanPosition, 0);  // no success: defined as 0
  SimulationCounters big;
  big.characters = 30000000;  // times 100 is past 32 bits
  big.charactersTyped = 10000000;
  EXPECT_EQ(FiguresOf(big).charactersSavedPercent, 66);
  const auto labelled = LabelledFigures(FiguresOf(big));
  ASSERT_EQ(labelled.size(), 11u);
  EXPECT_EQ(labelled[2].second, "66%");
  EXPECT_EQ(labelled[10].second, "0.0");
}

// A suggestion count no list can show is used as the most the engine ranks,
// never as the size of a buffer.
TEST_F(SimulatorTest, AHugeSuggestionCountIsHeldToWhatTheEngineRanks) {
  PredictionOptions huge, most;
  huge.maxWordSuggestions = INT32_MAX;
  most.maxWordSuggestions = kMaximumSuggestions;
  EXPECT_EQ(Simulate("o gato de casaco\n", huge), Simulate("o gato de casaco\n", most));
}

}  // namespace
}  // namespace vorelio
