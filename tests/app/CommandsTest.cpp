// The command table as the key dialog sees it, and the reading of a key's
// command line, good and bad.
#include "app/Commands.h"

#include <gtest/gtest.h>

#include "keyboards/KeySymbol.h"
#include "platform/MessageBox.h"
#include "platform/sim/MemoryFileSystem.h"
#include "profiles/UserProfileSet.h"

namespace vorelio {
namespace {

using Strings = std::vector<std::string>;
using C = ProgramCommand;

const std::string kQuitName = "Sair-Aplica\xe7\xe3o";

// The names are what keyboard files store: spelling and order matter.
TEST(CommandsTest, TheTwelveNamesInTableOrderOnlyChangingProfileWithAnArgument) {
  const CCommands commands;
  Strings names = {"left over"};
  commands.GetCommandNames(names);
  EXPECT_EQ(names, (Strings{"Limpar-Area-Trabalho", "Alterar-Perfil-Utilizador", "Apagar-Palavra",
                            "Apagar-Frase", "Mostrar-Predi\xe7\xf5" "es-Seguintes",
                            "Sintetizar-Fala-Palavra", "Sintetizar-Fala-Frase",
                            "Sintetizar-Fala-Area-Trabalho", kQuitName,
                            "Sintetizar-Descri\xe7\xe3o-Tecla", "Enviar-Mensagem-Editor_Externo",
                            "Trocar-Modo-Logging"}));
  for (const std::string& name : names)
    EXPECT_EQ(commands.HasArgument(name), name == "Alterar-Perfil-Utilizador") << name;
  EXPECT_FALSE(commands.HasArgument("Alterar-Perfil"));
  EXPECT_FALSE(commands.HasArgument(""));
}

TEST(CommandsTest, ProfileNamesAreTheArgumentValuesOfChangingProfile) {
  MemoryFileSystem files;
  files.AddFile("/dados/utils", "ana\nrui\n");
  RecordingMessageBox messages;
  CUserProfileSet profiles("/dados/", files, messages);
  profiles.Load();

  CCommands commands;
  Strings values = {"left over"};
  commands.GetArgumentValues("Alterar-Perfil-Utilizador", 0, values);
  EXPECT_TRUE(values.empty()) << "no profile set bound yet";

  commands.SetProfileSet(&profiles);
  commands.GetArgumentValues("Alterar-Perfil-Utilizador", 0, values);
  EXPECT_EQ(values, (Strings{"generico", "ana", "rui"}));
  commands.GetArgumentValues("Alterar-Perfil-Utilizador", 1, values);
  EXPECT_TRUE(values.empty());
  for (const char* other : {"Apagar-Palavra", "alterar-perfil-utilizador"}) {
    values = {"left over"};
    commands.GetArgumentValues(other, 0, values);
    EXPECT_TRUE(values.empty()) << other;
  }
}

// Blanks anywhere only separate words; the second word is the argument, and
// words after it, or after a command that takes none, are ignored.
TEST(CommandsTest, ACommandLineIsANameAndForChangingProfileItsArgument) {
  const std::pair<std::string, CommandLine> cases[] = {
      {"Apagar-Palavra", {C::kDeleteWord, ""}},
      {kQuitName, {C::kQuit, ""}},
      {"Alterar-Perfil-Utilizador generico", {C::kChangeUserProfile, "generico"}},
      {"Alterar-Perfil-Utilizador", {C::kChangeUserProfile, ""}},
      {"  Alterar-Perfil-Utilizador \t ana  ", {C::kChangeUserProfile, "ana"}},
      {" Apagar-Frase\t", {C::kDeleteSentence, ""}},
      {"Alterar-Perfil-Utilizador ana rui", {C::kChangeUserProfile, "ana"}},
      {"Apagar-Palavra ana", {C::kDeleteWord, ""}}};
  for (const auto& [line, expected] : cases) EXPECT_EQ(ParseCommandLine(line), expected) << line;
}

TEST(CommandsTest, ALineNamingNoCommandIsNothing) {
  for (const char* line : {"", "   ", "\t", "apagar-palavra", "APAGAR-PALAVRA", "Apagar",
                           "Apagar-Palavra-", "Apagar-PalavraX", "[Apagar-Palavra]",
                           "ana Alterar-Perfil-Utilizador", "Sair-Aplicacao",
                           "Sair-Aplica\xc3\xa7\xc3\xa3o"})  // in UTF-8, not Windows-1252
    EXPECT_FALSE(ParseCommandLine(line)) << line;
  EXPECT_FALSE(ParseCommandLine(std::string_view("Apagar-Palavra\0", 15)));
  EXPECT_FALSE(ParseCommandLine(std::string(100000, 'x')));
}

TEST(CommandsTest, RunsCommandReadsTheWholeOutputAsAKeyDoes) {
  EXPECT_TRUE(RunsCommand("[Trocar-Modo-Logging]", C::kToggleLogging));
  EXPECT_TRUE(RunsCommand(" [ Trocar-Modo-Logging ] ", C::kToggleLogging));
  EXPECT_TRUE(RunsCommand("[Alterar-Perfil-Utilizador ana]", C::kChangeUserProfile));
  EXPECT_FALSE(RunsCommand("[Trocar-Modo-Logging]", C::kQuit));
  for (const char* other : {"Trocar-Modo-Logging", "{Trocar-Modo-Logging}", "[]", ""})
    EXPECT_FALSE(RunsCommand(other, C::kToggleLogging)) << other;
}

// The symbol keys draw eight of the commands: their outputs are exactly the
// command outputs, and a key with such an output runs that command.
TEST(CommandsTest, SymbolKeysAndTheCommandTableAgree) {
  const std::vector<std::pair<KeySymbol, ProgramCommand>> symbolCommands = {
      {KeySymbol::kSpeakWord, C::kSpeakWord},
      {KeySymbol::kSpeakSentence, C::kSpeakSentence},
      {KeySymbol::kSpeakWorkArea, C::kSpeakWorkArea},
      {KeySymbol::kSendToExternalEditor, C::kSendToExternalEditor},
      {KeySymbol::kQuit, C::kQuit},
      {KeySymbol::kToggleLogging, C::kToggleLogging},
      {KeySymbol::kClearWorkArea, C::kClearWorkArea},
      {KeySymbol::kShowNextSuggestions, C::kShowNextSuggestions},
  };
  for (const auto& [symbol, command] : symbolCommands) {
    const std::string output = OutputOf(symbol);
    EXPECT_EQ(output, CommandOutput(command));
    EXPECT_TRUE(RunsCommand(output, command)) << output;
    EXPECT_EQ(SymbolOfOutput(output), symbol) << output;
  }
  EXPECT_EQ(SymbolOfOutput("[" + kQuitName + "]"), KeySymbol::kQuit);
  // Commands without a symbol, and near misses, draw none.
  EXPECT_FALSE(SymbolOfOutput(CommandOutput(C::kDeleteWord)));
  EXPECT_FALSE(SymbolOfOutput(CommandOutput(C::kChangeUserProfile)));
  for (const char* nearMiss : {"[Sintetizar-Fala-Palavra", "Sintetizar-Fala-Palavra]",
                               "Sintetizar-Fala-Palavra", "[Sintetizar-Fala-Palavra ]", "[]"})
    EXPECT_FALSE(SymbolOfOutput(nearMiss)) << nearMiss;
  EXPECT_EQ(SymbolOfOutput("Enter"), KeySymbol::kEnter);
}

}  // namespace
}  // namespace vorelio
