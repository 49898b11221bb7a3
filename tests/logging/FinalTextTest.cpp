#include "logging/FinalText.h"

#include <gtest/gtest.h>

namespace vorelio {
namespace {

TEST(FinalTextTest, MeasuresOfWordsSentencesAndPictograms) {
  // "Olá. Sim!!": two sentences (a run of terminators counts once), two words.
  EXPECT_EQ(MeasureFinalText({"Ol\xE1. Sim!!"}), (FinalTextMeasures{10, 2, 2, 0}));
  // Brackets are not characters; carriage returns are not either; a
  // pictogram with a blank is one pictogram but two words.
  EXPECT_EQ(MeasureFinalText({"[bom dia]\r\n", "eu [comer] ?!. sopa"}),
            (FinalTextMeasures{8 + 17, 2 + 3, 1, 2}));
  EXPECT_EQ(MeasureFinalText({}), FinalTextMeasures{});
  EXPECT_EQ(MeasureFinalText({"", " \t"}), (FinalTextMeasures{2, 0, 0, 0}));
}

TEST(FinalTextTest, WordsAndSentencesOfLongTextsAreAllCounted) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "ola. ";
  EXPECT_EQ(CountWords(text), 1000);
  EXPECT_EQ(CountSentenceParts(text), 1000);
  EXPECT_EQ(MeasureFinalText({text}).sentences, 1000);
}

TEST(FinalTextTest, SentencePartsOfAMessageSpoken) {
  EXPECT_EQ(CountSentenceParts("Ol\xE1. Sim"), 2);
  EXPECT_EQ(CountSentenceParts("Ol\xE1.  "), 1);
  EXPECT_EQ(CountSentenceParts("...!"), 0);
  EXPECT_EQ(CountSentenceParts("bom dia"), 1);
}

TEST(FinalTextTest, KeyboardPressesLeaveThePictogramBracketsOut) {
  const KeystrokeCost characters = [](std::string_view text) {
    return static_cast<int32_t>(text.size());
  };
  EXPECT_EQ(QwertyKeystrokes({"[casa] azul", "sol"}, characters), 9 + 3);
}

TEST(FinalTextTest, EachLineOfEachPieceIsALogLine) {
  EXPECT_EQ(FinalTextLogLines({"um", "dois\r\ntr\xEAs\nquatro\rcinco", "", "seis\n"}),
            (std::vector<std::string>{"Linha_Texto_Final um", "Linha_Texto_Final dois",
                                      "Linha_Texto_Final tr\xEAs", "Linha_Texto_Final quatro",
                                      "Linha_Texto_Final cinco", "Linha_Texto_Final ",
                                      "Linha_Texto_Final seis", "Linha_Texto_Final "}));
}

}  // namespace
}  // namespace vorelio
