// What a key's output does, and pictogram references in labels.
#include "keyboards/KeyOutput.h"

#include <gtest/gtest.h>

#include "keyboards/PictogramLabel.h"

#include <tuple>

namespace vorelio {
namespace {

using Strings = std::vector<std::string>;

// {output, kind, value}: the first kind that matches, in this order, wins;
// blanks around count for text alone.
TEST(KeyOutputTest, EachKindWithItsValueAndTheFirstMatchingKindWins) {
  using K = KeyOutputKind;
  const std::tuple<std::string, KeyOutputKind, std::string> cases[] = {
      {"Numeros.tec", K::kKeyboard, "Numeros"},
      {"Numeros.TEC", K::kKeyboard, "Numeros"},
      {"  Numeros.tec ", K::kKeyboard, "Numeros"},
      {"{abrir}.tec", K::kKeyboard, "{abrir}"},
      {"{Ctrl+c Ctrl+v}", K::kKeySequence, "Ctrl+c Ctrl+v"},
      {"{corre.exe}", K::kKeySequence, "corre.exe"},
      {"{}", K::kKeySequence, ""},
      {"[Alterar-Perfil-Utilizador Ana]", K::kCommand, "Alterar-Perfil-Utilizador Ana"},
      {" [Sair-Aplica\xe7\xe3o]\t", K::kCommand, "Sair-Aplica\xe7\xe3o"},
      {"[x.exe]", K::kCommand, "x.exe"},
      {"[x.bmp]", K::kCommand, "x.bmp"},
      {"C:\\Jogos\\xadrez.exe", K::kProgram, "C:\\Jogos\\xadrez.exe"},
      {"COMMAND.COM", K::kProgram, "COMMAND.COM"},
      {"imagem.bmp.exe", K::kProgram, "imagem.bmp.exe"},
      {"CAT_IMG_A\\sol.bmp:CAT_IMG_A\\lua.BMP", K::kPictogram, "CAT_IMG_A\\sol.bmp:CAT_IMG_A\\lua.BMP"},
      {"casa", K::kText, "casa"},
      {"{", K::kText, "{"},  // two characters at least
      {" ", K::kText, " "},
      {"", K::kText, ""}};
  for (const auto& [output, kind, value] : cases)
    EXPECT_EQ(ClassifyKeyOutput(output), (KeyOutput{kind, value, false})) << output;
}

TEST(KeyOutputTest, TextThatIsAProgramKeyNameIsTypedAsThatKey) {
  for (const char* name : {"Shift", "Cima", "Enter", "Tab", "CapsLock", "BkSp", "F11", "Num5"})
    EXPECT_EQ(ClassifyKeyOutput(name), (KeyOutput{KeyOutputKind::kText, name, true})) << name;
  EXPECT_TRUE(ClassifyKeyOutput(" Enter ").isKeyName);
  EXPECT_FALSE(ClassifyKeyOutput("enter").isKeyName);  // names are matched exactly
  EXPECT_FALSE(ClassifyKeyOutput("Ol\xe1").isKeyName);
}

TEST(KeyOutputTest, StoredTextOutputFallsBackToLabelThenQuestionMark) {
  EXPECT_EQ(StoredTextOutput("sa\xed" "da", "r\xf3tulo"), "sa\xed" "da");
  EXPECT_EQ(StoredTextOutput("", "r\xf3tulo"), "r\xf3tulo");
  EXPECT_EQ(StoredTextOutput("", ""), "?");
}

TEST(PictogramLabelTest, ALabelNamesPictogramsWhenAPartEndsInBmpInAnyCase) {
  EXPECT_TRUE(NamesPictogram("CAT_IMG_A\\sol.bmp"));
  EXPECT_TRUE(NamesPictogram("legenda:CAT_IMG_A\\SOL.BMP"));
  EXPECT_FALSE(NamesPictogram("sol.bmp.txt"));
  EXPECT_FALSE(NamesPictogram("bmp"));
  EXPECT_FALSE(NamesPictogram(""));
  EXPECT_FALSE(SplitPictogramLabel("Ol\xe1"));
}

TEST(PictogramLabelTest, SplitKeepsReferencesAndCaptionWhole) {
  using Label = PictogramLabel;
  EXPECT_EQ(SplitPictogramLabel("CAT_IMG_A\\sol.bmp"), (Label{"CAT_IMG_A\\sol.bmp", ""}));
  EXPECT_EQ(SplitPictogramLabel("CAT_IMG_A\\sol.bmp:bom dia"), (Label{"CAT_IMG_A\\sol.bmp", "bom dia"}));
  EXPECT_EQ(SplitPictogramLabel("CAT_IMG_A\\SOL.BMP:dia"), (Label{"CAT_IMG_A\\SOL.BMP", "dia"}));
  // A row, its caption anywhere; a caption holding ":" stays whole.
  EXPECT_EQ(SplitPictogramLabel("a.bmp:Horas:b.bmp: 10"), (Label{"a.bmp:b.bmp", "Horas: 10"}));
  EXPECT_EQ(SplitPictogramLabel("a.bmp:"), (Label{"a.bmp", ""}));
  EXPECT_EQ(ComposePictogramLabel("a.bmp:b.bmp", "Horas: 10"), "a.bmp:b.bmp:Horas: 10");
  EXPECT_EQ(ComposePictogramLabel("a.bmp", ""), "a.bmp");
}

TEST(PictogramLabelTest, ARowLoadsAtMostFiftyPictograms) {
  EXPECT_EQ(PictogramReferences("legenda:a.bmp::B.BMP:c.txt"), (Strings{"a.bmp", "B.BMP"}));
  EXPECT_EQ(PictogramReferences("texto"), Strings{});
  std::string row;
  for (int n = 0; n < 60; ++n) row += "p" + std::to_string(n) + ".bmp:";
  const Strings references = PictogramReferences(row);
  ASSERT_EQ(references.size(), kMaxPictogramsInRow);
  EXPECT_EQ(references.back(), "p49.bmp");
}

}  // namespace
}  // namespace vorelio
