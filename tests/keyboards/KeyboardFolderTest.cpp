// The keyboards of a folder, the ".tec" rule and the names of new keyboards.
#include "keyboards/KeyboardFolder.h"

#include <gtest/gtest.h>

#include "platform/sim/MemoryFileSystem.h"

namespace vorelio {
namespace {

using Names = std::vector<std::string>;

TEST(KeyboardFolderTest, ListsTecFilesWithoutTheExtensionAndNoFolders) {
  MemoryFileSystem files;
  files.AddFile("/dados/Qwerty.tec", "");
  files.AddFile("/dados/abc.TEC", "");
  files.AddFile("/dados/Numeros.tec", "");
  files.AddFile("/dados/notas.txt", "");
  files.AddFile("/dados/tec", "");
  files.AddFolder("/dados/Pasta.tec");
  files.AddFile("/dados/CAT_IMG_A/gato.bmp", "");
  EXPECT_EQ(ListKeyboards(files, "/dados/"), (Names{"abc", "Numeros", "Qwerty"}));
  EXPECT_EQ(ListKeyboards(files, "/nada/"), Names{});
}

TEST(KeyboardFolderTest, TheExtensionIsAppendedOnlyWhenMissing) {
  EXPECT_EQ(KeyboardFileNameOf("Qwerty"), "Qwerty.tec");
  EXPECT_EQ(KeyboardFileNameOf("Qwerty.tec"), "Qwerty.tec");
  EXPECT_EQ(KeyboardFileNameOf("Qwerty.TEC"), "Qwerty.TEC");
  EXPECT_EQ(KeyboardNameOf("Qwerty.Tec"), "Qwerty");
  EXPECT_EQ(KeyboardNameOf("Qwerty"), "Qwerty");
}

TEST(KeyboardFolderTest, AFileDifferingOnlyInCaseIsFound) {
  MemoryFileSystem files;
  files.AddFile("/dados/Casa.TEC", "");
  files.AddFile("/dados/rua.tec", "");
  EXPECT_EQ(KeyboardPath(files, "/dados/", "casa"), "/dados/Casa.TEC");
  EXPECT_EQ(KeyboardPath(files, "/dados/", "rua"), "/dados/rua.tec");
  EXPECT_EQ(KeyboardPath(files, "/dados/", "Novo"), "/dados/Novo.tec");
}

TEST(KeyboardFolderTest, NewKeyboardNamesAreCheckedInOrder) {
  const Names existing = {"Qwerty", "Numeros"};
  EXPECT_EQ(NewKeyboardNameProblem("", existing), "Introduza um nome para o novo teclado.");
  EXPECT_EQ(NewKeyboardNameProblem(".tec", existing), "Introduza um nome para o novo teclado.");
  const std::string blank =
      "N\xe3o s\xe3o permitidos espa\xe7os no nome do teclado. Utilize um travess\xe3o para "
      "separar as palavras que constituem o nome.";
  EXPECT_EQ(NewKeyboardNameProblem("Meu teclado", existing), blank);
  EXPECT_EQ(NewKeyboardNameProblem("Meu\tteclado/x", existing), blank);
  for (const char* name : {"../fora", "a\\b", "c:d", "e*", "f?", "g\"", "h<", "i>", "j|"})
    EXPECT_NE(NewKeyboardNameProblem(name, existing).find("n\xe3o pode conter"), std::string::npos) << name;
  EXPECT_EQ(NewKeyboardNameProblem("qwerty", existing), "J\xe1 existe um teclado com esse nome.");
  EXPECT_EQ(NewKeyboardNameProblem("Numeros.tec", existing), "J\xe1 existe um teclado com esse nome.");
  EXPECT_EQ(NewKeyboardNameProblem("Meu-teclado", existing), "");
  EXPECT_EQ(NewKeyboardNameProblem("Cora\xe7\xe3o", existing), "");
}

}  // namespace
}  // namespace vorelio
