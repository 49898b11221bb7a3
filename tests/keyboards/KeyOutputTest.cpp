// What a key's output does, and pictogram references in labels.
#include "keyboards/KeyOutput.h"

#include <gtest/gtest.h>

#include "keyboards/PictogramLabel.h"

namespace vorelio {
namespace {

using Strings = std::vector<std::string>;

KeyOutput Kind(KeyOutputKind kind, std::string value, bool isKeyName = false) {
  return {kind, std::move(value), isKeyName};
}

TEST(KeyOutputTest, EachKindWithItsValue) {
  EXPECT_EQ(ClassifyKeyOutput("Numeros.tec"), Kind(KeyOutputKind::kKeyboard, "Numeros"));
  EXPECT_EQ(ClassifyKeyOutput("Numeros.TEC"), Kind(KeyOutputKind::kKeyboard, "Numeros"));
  EXPECT_EQ(ClassifyKeyOutput("{Ctrl+c Ctrl+v}"), Kind(KeyOutputKind::kKeySequence, "Ctrl+c Ctrl+v"));
  EXPECT_EQ(ClassifyKeyOutput("[Limpar-Area-Trabalho]"),
            Kind(KeyOutputKind::kCommand, "Limpar-Area-Trabalho"));
  EXPECT_EQ(ClassifyKeyOutput("[Alterar-Perfil-Utilizador Ana]"),
            Kind(KeyOutputKind::kCommand, "Alterar-Perfil-Utilizador Ana"));
  EXPECT_EQ(ClassifyKeyOutput("C:\\Jogos\\xadrez.exe"),
            Kind(KeyOutputKind::kProgram, "C:\\Jogos\\xadrez.exe"));
  EXPECT_EQ(ClassifyKeyOutput("COMMAND.COM"), Kind(KeyOutputKind::kProgram, "COMMAND.COM"));
  EXPECT_EQ(ClassifyKeyOutput("CAT_IMG_A\\sol.bmp:CAT_IMG_A\\lua.BMP"),
            Kind(KeyOutputKind::kPictogram, "CAT_IMG_A\\sol.bmp:CAT_IMG_A\\lua.BMP"));
  EXPECT_EQ(ClassifyKeyOutput("casa"), Kind(KeyOutputKind::kText, "casa"));
  EXPECT_EQ(ClassifyKeyOutput(""), Kind(KeyOutputKind::kText, ""));
}

TEST(KeyOutputTest, TheFirstMatchingKindInOrderWins) {
  EXPECT_EQ(ClassifyKeyOutput("{abrir}.tec").kind, KeyOutputKind::kKeyboard);
  EXPECT_EQ(ClassifyKeyOutput("{corre.exe}").kind, KeyOutputKind::kKeySequence);
  EXPECT_EQ(ClassifyKeyOutput("[x.exe]").kind, KeyOutputKind::kCommand);
  EXPECT_EQ(ClassifyKeyOutput("[x.bmp]").kind, KeyOutputKind::kCommand);
  EXPECT_EQ(ClassifyKeyOutput("imagem.bmp.exe").kind, KeyOutputKind::kProgram);
  // Two characters at least: a lone brace is text.
  EXPECT_EQ(ClassifyKeyOutput("{").kind, KeyOutputKind::kText);
  EXPECT_EQ(ClassifyKeyOutput("{}"), Kind(KeyOutputKind::kKeySequence, ""));
}

TEST(KeyOutputTest, BlanksAroundAreIgnoredButTextKeepsThem) {
  EXPECT_EQ(ClassifyKeyOutput("  Numeros.tec "), Kind(KeyOutputKind::kKeyboard, "Numeros"));
  EXPECT_EQ(ClassifyKeyOutput(" [Sair-Aplica\xe7\xe3o]\t"),
            Kind(KeyOutputKind::kCommand, "Sair-Aplica\xe7\xe3o"));
  EXPECT_EQ(ClassifyKeyOutput(" "), Kind(KeyOutputKind::kText, " "));
}

TEST(KeyOutputTest, TextThatIsAProgramKeyNameIsTypedAsThatKey) {
  for (const char* name : {"Shift", "Cima", "Enter", "Tab", "CapsLock", "BkSp", "F11", "Num5"})
    EXPECT_EQ(ClassifyKeyOutput(name), Kind(KeyOutputKind::kText, name, true)) << name;
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
