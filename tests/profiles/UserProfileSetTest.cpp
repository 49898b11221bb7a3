#include "profiles/UserProfileSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/sim/FaultyFileSystem.h"
#include "platform/sim/MemoryFileSystem.h"

namespace vorelio {
namespace {

using testing::TempFolder;
using Strings = std::vector<std::string>;

constexpr std::string_view kNotAvailableTail =
    " n\xE3o est\xE1 dispon\xEDvel! Ser\xE1 carregado o perfil de utilizador gen\xE9rico.";

// A data folder with a small general dictionary and the generic profile.
class UserProfileSetTest : public ::testing::Test {
 protected:
  UserProfileSetTest() {
    folder.Write("geral.pal", "casa 10\ncarro 5\n");
    for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.paf"}) folder.Write(name, "");
    folder.Write("geral.frs", "bom dia 3\n");
    WriteUserFiles("generico");
    folder.Write("generico.cfg", "NOME_TECLADO Grande\n");
  }
  void WriteUserFiles(const std::string& name, const std::string& words = "") {
    folder.Write(name + ".pal", words);
    for (const char* extension : {".par", ".frs", ".paf", ".abr"}) folder.Write(name + extension, "");
  }
  bool Knows(const CDictionary* dictionary, std::string_view word) {
    return dictionary != nullptr && !dictionary->FindWord(word).IsNone();
  }

  TempFolder folder;
  RecordingMessageBox messages;
  CUserProfileSet set{folder.Path(), testing::DiskFiles(), messages};
};

TEST_F(UserProfileSetTest, LoadsTheGenericProfileFirstThenTheListedOnes) {
  WriteUserFiles("ana");
  folder.Write("utils", "ana\n\n  \nrui\r\n../fora\nana\ngenerico\na\\b\ngeral\nzeca");
  set.Load();
  EXPECT_EQ(set.Names(), (Strings{"generico", "ana", "rui", "zeca"}));
  EXPECT_EQ(set.Find("rui"), 2);
  EXPECT_EQ(set.Find("Rui"), -1);
  EXPECT_EQ(set.CurrentIndex(), -1);
  EXPECT_EQ(set.CurrentDictionary(), nullptr);
  EXPECT_EQ(set.Profile(0).Properties().KeyboardInUse(), "Grande");
  EXPECT_TRUE(set.Profile(1).IsLoaded());
  EXPECT_THROW(set.Profile(4), std::out_of_range);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(UserProfileSetTest, AMissingListLeavesOnlyTheGenericProfile) {
  EXPECT_EQ(set.Load("generico"), 0);
  EXPECT_EQ(set.Names(), (Strings{"generico"}));
  EXPECT_TRUE(Knows(set.CurrentDictionary(), "casa"));
}

TEST_F(UserProfileSetTest, OpeningAnUnknownNameFallsBackToTheGenericProfile) {
  set.Load();
  EXPECT_EQ(set.Open("../../etc/passwd"), 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0],
            "O perfil de utilizador ../../etc/passwd" + std::string(kNotAvailableTail));
  EXPECT_EQ(set.CurrentIndex(), 0);
  EXPECT_EQ(set.Current()->Name(), "generico");
}

TEST_F(UserProfileSetTest, CreatingAProfileWritesItsFilesAndMakesItCurrent) {
  const std::string base = "COR_FUNDO 255\r\nTIPO_LETRA Comic;;;Sans\n";
  folder.Write("base.cfg", base);
  folder.Write("utils", "rui");  // no line end after the last name
  WriteUserFiles("rui");
  set.Load("generico");
  EXPECT_EQ(set.Create("  ana "), 2);
  EXPECT_EQ(folder.Read("ana.cfg"), base);
  for (const char* extension : {".pal", ".par", ".abr", ".frs", ".paf"}) {
    EXPECT_TRUE(folder.Exists(std::string("ana") + extension)) << extension;
    EXPECT_EQ(folder.Read(std::string("ana") + extension), "") << extension;
  }
  EXPECT_EQ(folder.Read("utils"), "rui\nana\n");
  EXPECT_EQ(set.CurrentIndex(), 2);
  EXPECT_EQ(set.Current()->Properties().options.keyBackgroundColour, 255);
  EXPECT_EQ(set.Current()->Properties().options.fontFace, "Comic Sans");
  EXPECT_TRUE(Knows(set.CurrentDictionary(), "casa"));
  // The generic profile's options were saved when it stopped being current.
  const std::string generic = folder.Read("generico.cfg");
  EXPECT_EQ(std::count(generic.begin(), generic.end(), '\n'), 99);
  EXPECT_NE(generic.find("\nNOME_TECLADO Grande\n"), std::string::npos);
}

TEST_F(UserProfileSetTest, WithoutATemplateANewProfileGetsAnEmptyOptionsFile) {
  set.Load("generico");
  ASSERT_EQ(set.Create("ana"), 1);
  EXPECT_TRUE(folder.Exists("ana.cfg"));
  EXPECT_EQ(folder.Read("ana.cfg"), "");
  EXPECT_EQ(set.Current()->Properties().options, UserProfileOptions());
}

TEST_F(UserProfileSetTest, CreateRefusesNamesThatAreTakenOrUnsafe) {
  WriteUserFiles("rui", "segredo 4\n");
  folder.Write("utils", "rui\n");
  set.Load("generico");
  const std::string unsafe =
      "O nome do perfil de utilizador n\xE3o pode conter barras (/ ou \\), dois pontos "
      "seguidos (..) nem caracteres de controlo.";
  const std::string reserved =
      "Esse nome est\xE1 reservado para os ficheiros do programa. Escolha outro nome para o "
      "perfil de utilizador.";
  const std::string space =
      "N\xE3o s\xE3o permitidos espa\xE7os no nome do perfil de utilizador. Utilize um "
      "travess\xE3o para separar as palavras que constituem o nome.";
  const struct {
    std::string name;
    std::string message;
  } cases[] = {
      {"", "Introduza um nome para o novo perfil de utilizador."},
      {"   ", "Introduza um nome para o novo perfil de utilizador."},
      {"a b", space},
      {"../x", unsafe},
      {"a/b", unsafe},
      {"a\\b", unsafe},
      {"..", unsafe},
      {"a\x01z", unsafe},
      {"rui", "J\xE1 existe um perfil de utilizador com esse nome."},
      {"RUI", "J\xE1 existe um perfil de utilizador com esse nome."},
      {"generico", "J\xE1 existe um perfil de utilizador com esse nome."},
      // The installation's own files: the general dictionary, the template,
      // the list of profiles, the system options, hidden files.
      {"geral", reserved},
      {"GERAL", reserved},
      {"Base", reserved},
      {"utils", reserved},
      {"configsis", reserved},
      {".oculto", reserved},
  };
  for (const auto& refused : cases) {
    messages.messages.clear();
    EXPECT_EQ(set.Create(refused.name), -1) << refused.name;
    EXPECT_EQ(messages.messages, Strings{refused.message}) << refused.name;
  }
  EXPECT_EQ(folder.Read("utils"), "rui\n");
  EXPECT_EQ(folder.Read("rui.pal"), "segredo 4\n");  // an existing profile is never truncated
  EXPECT_EQ(folder.Read("geral.pal"), "casa 10\ncarro 5\n");  // nor the general dictionary
  EXPECT_FALSE(folder.Exists("x.cfg"));
  EXPECT_EQ(set.Count(), 2);
}

TEST_F(UserProfileSetTest, RemovingTheProfileJustBeforeTheCurrentOneKeepsTheCurrentProfile) {
  for (const char* name : {"ana", "rui", "zeca"}) WriteUserFiles(name);
  folder.Write("utils", "ana\nrui\nzeca\n");
  set.Load("zeca");
  const CDictionary* dictionary = set.CurrentDictionary();
  messages.answers = {true};
  EXPECT_TRUE(set.Remove("rui"));
  EXPECT_EQ(messages.questions, Strings{"Quer mesmo remover o perfil rui?"});
  EXPECT_EQ(set.CurrentIndex(), 2);
  EXPECT_EQ(set.Current()->Name(), "zeca");
  EXPECT_EQ(set.CurrentDictionary(), dictionary);
  EXPECT_EQ(folder.Read("utils"), "ana\nzeca\n");
  EXPECT_TRUE(folder.Exists("rui.pal"));  // the files stay
  EXPECT_EQ(set.Names(), (Strings{"generico", "ana", "zeca"}));
}

TEST_F(UserProfileSetTest, RemoveRefusesTheGenericAndTheCurrentProfileAndHonoursNo) {
  WriteUserFiles("ana");
  folder.Write("utils", "ana\n");
  set.Load("ana");
  EXPECT_FALSE(set.Remove(""));
  EXPECT_FALSE(set.Remove("generico"));
  messages.answers = {false, true};
  EXPECT_FALSE(set.Remove("ana"));  // No
  EXPECT_FALSE(set.Remove("ana"));  // Yes, but current
  EXPECT_EQ(messages.messages,
            (Strings{"N\xE3o \xE9 poss\xEDvel apagar o perfil de utilizador gen\xE9rico.",
                     "Este perfil de utilizador encontra-se activo e por isso n\xE3o pode ser "
                     "removido."}));
  EXPECT_EQ(messages.questions.size(), 2u);
  EXPECT_EQ(folder.Read("utils"), "ana\n");
  EXPECT_EQ(set.Count(), 2);
}

TEST_F(UserProfileSetTest, ReopeningWritesTheOptionsAndReloadsTheVocabulary) {
  WriteUserFiles("ana", "gato 2\n");
  folder.Write("utils", "ana\n");
  folder.Write("ana.cfg", "COR_FUNDO 7\n");
  set.Load("ana");
  EXPECT_TRUE(Knows(set.CurrentDictionary(), "gato"));
  set.Current()->Dictionary().AddUserWord("rato", 1);
  set.Current()->Properties().options.keyHeight = 77;
  EXPECT_EQ(set.Open("ana"), 1);
  EXPECT_NE(folder.Read("ana.cfg").find("ALTURA_TECLAS 77\n"), std::string::npos);
  EXPECT_NE(folder.Read("ana.pal").find("rato 1"), std::string::npos);
  EXPECT_TRUE(Knows(set.CurrentDictionary(), "rato"));
  // A change made outside comes in with the reload.
  folder.Write("ana.pal", "peixe 3\n");
  set.Open("ana");
  EXPECT_TRUE(Knows(set.CurrentDictionary(), "peixe"));
  EXPECT_FALSE(Knows(set.CurrentDictionary(), "rato"));
}

TEST_F(UserProfileSetTest, KeptDictionariesStayInMemoryAndAreSavedAtClose) {
  WriteUserFiles("ana", "gato 2\n");
  WriteUserFiles("rui");
  folder.Write("utils", "ana\nrui\n");
  folder.Write("ana.cfg", "MANTER_DICIONARIO_MEMORIA 1\n");
  set.Load();
  EXPECT_TRUE(set.Profile(1).DictionaryInMemory());
  EXPECT_FALSE(set.Profile(2).DictionaryInMemory());
  set.Open("ana");
  CDictionary* kept = set.CurrentDictionary();
  kept->AddUserWord("rato", 1);
  set.Open("rui");
  EXPECT_TRUE(set.Profile(1).DictionaryInMemory());
  EXPECT_TRUE(Knows(kept, "rato"));                        // not reloaded, not lost
  EXPECT_EQ(folder.Read("ana.pal").find("rato"), std::string::npos);  // nor saved yet
  set.Open("generico");
  EXPECT_FALSE(set.Profile(2).DictionaryInMemory());  // rui's was released
  set.Close();
  EXPECT_EQ(set.Count(), 0);
  EXPECT_EQ(set.CurrentDictionary(), nullptr);
  EXPECT_NE(folder.Read("ana.pal").find("rato 1"), std::string::npos);
}

TEST_F(UserProfileSetTest, ANewProfileWhoseTemplateKeepsTheDictionaryStillLoadsIt) {
  folder.Write("base.cfg", "MANTER_DICIONARIO_MEMORIA 1\n");
  set.Load("generico");
  set.Create("ana");
  EXPECT_TRUE(Knows(set.CurrentDictionary(), "casa"));
}

TEST_F(UserProfileSetTest, RemovingAProfileThatKeepsItsDictionarySavesItsLearning) {
  WriteUserFiles("ana");
  folder.Write("utils", "ana\n");
  folder.Write("ana.cfg", "MANTER_DICIONARIO_MEMORIA 1\n");
  set.Load("ana");
  set.Current()->Dictionary().AddUserWord("rato", 1);
  set.Open("generico");
  messages.answers = {true};
  ASSERT_TRUE(set.Remove("ana"));
  EXPECT_NE(folder.Read("ana.pal").find("rato 1"), std::string::npos);
}

TEST_F(UserProfileSetTest, CopyOptionsKeepsTheNameAndFileAndWritesThem) {
  WriteUserFiles("ana");
  WriteUserFiles("rui");
  folder.Write("utils", "ana\nrui\n");
  folder.Write("rui.cfg", "COR_FUNDO 255\nNOME_TECLADO Grande\n");
  set.Load("ana");
  EXPECT_FALSE(set.CopyOptions(""));
  EXPECT_FALSE(set.CopyOptions("ninguem"));
  EXPECT_TRUE(set.CopyOptions("rui"));
  EXPECT_EQ(set.Current()->Name(), "ana");
  EXPECT_EQ(set.Current()->Properties().OptionsFilePath(), folder.File("ana.cfg"));
  EXPECT_EQ(set.Current()->Properties().options.keyBackgroundColour, 255);
  EXPECT_NE(folder.Read("ana.cfg").find("COR_FUNDO 255\n"), std::string::npos);
  EXPECT_EQ(folder.Read("rui.cfg"), "COR_FUNDO 255\nNOME_TECLADO Grande\n");
}

TEST_F(UserProfileSetTest, LogsAreMatchedByTheExactProfileName) {
  WriteUserFiles("ana");
  folder.Write("utils", "ana\n");
  folder.Write("ana Sun Dec 06 00-27-17 2026.log", "um");
  folder.Write("ana.log", "dois");
  folder.Write("anabela Sun Dec 06 00-27-17 2026.log", "dela");
  folder.Write("ana.cfg.bak", "");
  folder.Write("ana*.log", "literal");  // "*" is no wildcard in a name
  set.Load("generico");

  TempFolder destination;
  destination.Write("ana.log", "antigo");
  EXPECT_FALSE(set.CopyLogs("ana", destination.Path()));
  EXPECT_EQ(destination.Read("ana Sun Dec 06 00-27-17 2026.log"), "um");
  EXPECT_EQ(destination.Read("ana.log"), "antigo");  // never overwritten
  EXPECT_FALSE(destination.Exists("anabela Sun Dec 06 00-27-17 2026.log"));
  EXPECT_FALSE(destination.Exists("ana*.log"));
  TempFolder empty;
  EXPECT_TRUE(set.CopyLogs("ana", empty.Path()));

  EXPECT_TRUE(set.DeleteLogs("ana"));
  EXPECT_FALSE(folder.Exists("ana.log"));
  EXPECT_FALSE(folder.Exists("ana Sun Dec 06 00-27-17 2026.log"));
  EXPECT_TRUE(folder.Exists("anabela Sun Dec 06 00-27-17 2026.log"));
  EXPECT_TRUE(folder.Exists("ana*.log"));
  EXPECT_EQ(messages.messages,
            (Strings{"N\xE3o foi poss\xEDvel copiar parte dos registos.",
                     "Registos copiados com sucessos.", "Registos eliminados com sucessos."}));
}

TEST_F(UserProfileSetTest, ProfileKeyboardReadsTheOptionsFile) {
  folder.Write("ana.cfg", "NOME_TECLADO Grande.tec\n");
  EXPECT_EQ(set.ProfileKeyboard("ana", false), "Grande");
  EXPECT_EQ(set.ProfileKeyboard("ana", true), "Grande.tec");
  EXPECT_EQ(set.ProfileKeyboard("generico", true), "Grande.tec");
  EXPECT_EQ(set.ProfileKeyboard("ninguem", true), "QwertySimples.tec");
  EXPECT_EQ(set.ProfileKeyboard("../ana", true), "");
}

// The same set over a data folder in memory, whose calls a test can make fail.
class UserProfileSetFailureTest : public ::testing::Test {
 protected:
  UserProfileSetFailureTest() {
    memory.AddFile("/d/geral.pal", "casa 10\nsol 5\n");
    for (const char* name : {"geral.par", "geral.cg", "geral.pcg", "geral.frs", "geral.paf"})
      memory.AddFile(std::string("/d/") + name, "");
    for (const char* profile : {"generico", "ana"})
      for (const char* extension : {".pal", ".par", ".frs", ".paf", ".abr"})
        memory.AddFile(std::string("/d/") + profile + extension, "");
    memory.AddFile("/d/utils", "ana\n");
    memory.AddFile("/d/base.cfg", "ALTURA_TECLAS 60\n");
  }

  MemoryFileSystem memory;
  FaultyFileSystem files{memory};
  RecordingMessageBox messages;
  CUserProfileSet set{"/d/", files, messages};
};

TEST_F(UserProfileSetFailureTest, ADiskFullAtAProfileSwitchKeepsTheLearningInMemory) {
  set.Load("ana");
  set.CurrentDictionary()->AddUserWord("sol", 2);
  files.FailNext(FileOperation::kDiskFull, 0, "ana.pal");
  set.Open("generico");
  EXPECT_EQ(messages.messages,
            Strings{"N\xE3o foi poss\xEDvel guardar o vocabul\xE1rio do perfil de utilizador ana."});
  EXPECT_EQ(memory.ReadFile("/d/ana.pal"), "");
  EXPECT_TRUE(set.Profile(1).DictionaryInMemory());

  // Back to ana: the words taught before are still there, and leaving again
  // saves them.
  set.Open("ana");
  EXPECT_EQ(set.CurrentDictionary()->FindWord("sol")->userFrequency, 2);
  set.Open("generico");
  EXPECT_EQ(memory.ReadFile("/d/ana.pal"), "sol 2\n");
  EXPECT_FALSE(set.Profile(1).DictionaryInMemory());
}

TEST_F(UserProfileSetFailureTest, ACreateThatCannotWriteTheListLeavesTheListAsItWas) {
  set.Load("generico");
  files.FailNext(FileOperation::kRename, 0, "utils");
  EXPECT_EQ(set.Create("rui"), -1);
  EXPECT_EQ(messages.messages,
            Strings{"N\xE3o foi poss\xEDvel criar o perfil de utilizador rui."});
  EXPECT_EQ(memory.ReadFile("/d/utils"), "ana\n");
  EXPECT_EQ(set.Names(), (Strings{"generico", "ana"}));

  messages.messages.clear();
  EXPECT_EQ(set.Create("rui"), 2);  // the disk has room again
  EXPECT_EQ(memory.ReadFile("/d/utils"), "ana\nrui\n");
  EXPECT_EQ(memory.ReadFile("/d/rui.cfg"), "ALTURA_TECLAS 60\n");
}

TEST_F(UserProfileSetFailureTest, OptionsThatCannotBeSavedAreReported) {
  memory.AddFile("/d/ana.cfg", "ALTURA_TECLAS 70\n", 0444);  // made read-only by a carer
  set.Load("ana");
  set.Open("generico");
  EXPECT_EQ(messages.messages,
            Strings{"N\xE3o foi poss\xEDvel guardar as op\xE7\xF5" "es do perfil de utilizador ana."});
  EXPECT_EQ(memory.ReadFile("/d/ana.cfg"), "ALTURA_TECLAS 70\n");
}

}  // namespace
}  // namespace vorelio
