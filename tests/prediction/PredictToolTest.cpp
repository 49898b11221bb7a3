// predarin-predict asks for suggestions as the program does: after a
// finished word, with the previous sentence trimmed, and over general
// sentences read as the file gives them.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

namespace vorelio {
namespace {

using testing::RunPredictTool;
using testing::TempFolder;

// Words: casa is followed by "de" (5) and "branca" (3). Sentences (general
// total 5 + 3 + 2 + 1 for the line of blanks): "olá." is followed by
// "tudo bem?" (4).
class PredictToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testing::PredictToolBuilt()) GTEST_SKIP() << "predarin-predict is not built";
    folder_.Write("geral.pal",
                  "[casa] 5\n[casa|de|banho] 4\n[casaco] 3\nbranca 5\ncasa 50\ncasaco 10\nde 20\n");
    folder_.Write("geral.par", "casa branca 3\ncasa de 5\n");
    folder_.Write("geral.frs", "adeus. 2\nol\xE1. 5\n|||\ntudo|bem? 3\n");
    folder_.Write("geral.paf", "ol\xE1. tudo|bem? 4\n");
    for (const char* name : {"geral.cg", "geral.pcg"}) folder_.Write(name, "");
    for (const char* extension : {".pal", ".par", ".frs", ".paf", ".abr"})
      folder_.Write(std::string("generico") + extension, "");
  }

  std::string Predict(const std::string& arguments) {
    return RunPredictTool("--data " + folder_.Path() + " " + arguments).output;
  }

  TempFolder folder_;
};

TEST_F(PredictToolTest, APreviousWordWithoutPrefixPredictsTheNextWord) {
  // The text before the caret is "casa ": the words that followed casa,
  // and the pictograms whose names go on after "casa ", not casa itself.
  EXPECT_EQ(Predict("--previous casa"), "W\tde\nW\tbranca\nP\t[casa de banho]\n");
  // With letters typed, "casa ca": words and pictograms beginning with them.
  EXPECT_EQ(Predict("--previous casa --prefix ca"),
            "W\tcasa\nW\tcasaco\nP\t[casa]\nP\t[casa de banho]\nP\t[casaco]\n");
}

TEST_F(PredictToolTest, RawSentencesTrimThePreviousSentenceAsSuggestionsDo) {
  // "tudo bem?": 3/11 for its frequency, (4/4) / (5/11) after "olá.".
  const std::string raw = Predict("--raw --sentences --previous '  ol\xC3\xA1.  '");
  EXPECT_EQ(raw, "tudo bem?\t2.472727\n");
  EXPECT_EQ(Predict("--sentences --previous '  ol\xC3\xA1.  '"), "S\ttudo bem?\n");
  // Blanks only are no previous sentence: the start of a text, which no
  // sentence followed here.
  EXPECT_EQ(Predict("--raw --sentences --previous '   '"), "");
}

TEST_F(PredictToolTest, AGeneralSentenceOfBlanksIsLoadedAndCountedButNeverSuggested) {
  const std::string stats = Predict("--stats");
  EXPECT_NE(stats.find("sentences 4\n"), std::string::npos) << stats;
  EXPECT_NE(stats.find("general_sentence_total 11\n"), std::string::npos) << stats;
  // As the only successor of "adeus." the empty sentence is a candidate
  // ((2/2) / (2/11) for the pair), but no suggestion.
  folder_.Write("geral.paf", "adeus. | 2\n");
  EXPECT_EQ(Predict("--raw --sentences --previous adeus."), "\t5.500000\n");
  EXPECT_EQ(Predict("--sentences --previous adeus."), "");
}

}  // namespace
}  // namespace vorelio
