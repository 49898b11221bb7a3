#include "profiles/SystemOptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "profiles/CommandGuards.h"
#include "profiles/PriorityListModel.h"

namespace vorelio {
namespace {

using testing::TempFolder;
using Strings = std::vector<std::string>;

constexpr std::string_view kLocked =
    "As altera\xE7\xF5" "es ao sistema est\xE3o bloqueadas! Este bloqueio pode ser retirado em "
    "Op\xE7\xF5" "es Gerais.";

TEST(SystemOptions, AFreshInstallationStartsTheGenericProfileUnlocked) {
  TempFolder folder;
  CSystemOptions options;
  options.Load(testing::DiskFiles(), folder.Path(), nullptr);
  EXPECT_EQ(options.StartProfile(), "generico");
  EXPECT_FALSE(options.ContextAdaptation());
  EXPECT_TRUE(options.SystemChangesAllowed());
  EXPECT_FALSE(options.Changed());
  EXPECT_TRUE(options.Save());
  EXPECT_FALSE(folder.Exists("configsis"));  // created only when an option changes
}

TEST(SystemOptions, WritesTheTenLinesInTheirOrder) {
  CSystemOptions options;
  options.SetContextAdaptation(true);
  options.SetBluetoothSearchMode("Inqu\xE9rito");
  options.SetGpsPort("com3");
  options.SetSystemChangesAllowed(false);
  options.SetCooperationRole(1);
  options.SetCooperationServer("sala de aula");
  options.SetStartProfile("ana");
  options.SetClearSuggestionsAfterSelection(false);
  options.SetAdaptOnlyWhenProfileLeavesContext(true);
  options.SetPriorityList({"ana", "rui", "zeca"});
  EXPECT_EQ(options.Contents(),
            "ADAPTACAO_CONTEXTO 1\n"
            "MODO_PROCURA_ETIQUETAS_BLUETOOTH Inqu\xE9rito\n"
            "PORTA_GPS com3\n"
            "ALTERACOES_SISTEMA 0\n"
            "PAPEL_COMUNICACAO_COOPERATIVA 1\n"
            "NOME_SERVIDOR_COMUNICACAO_COOPERATIVA sala;;;de;;;aula\n"
            "PERFIL_UTILIZADOR_ARRANQUE ana\n"
            "LIMPAR_SUGESTOES_APOS_SELECCAO 0\n"
            "ADAPTAR_APENAS_COM_PERFIL_GENERICO_ATIVO 1\n"
            "LISTA_PRIORIDADES_ADAPTACAO_CONTEXTO ana;;;rui;;;zeca\n");
  CSystemOptions read;
  read.ReadFrom(options.Contents());
  EXPECT_EQ(read.Contents(), options.Contents());
  EXPECT_EQ(read.CooperationServer(), "sala de aula");
  EXPECT_FALSE(read.Changed());
}

TEST(SystemOptions, ReadsThePriorityListAndForgivesMalformedLines) {
  CSystemOptions options;
  options.ReadFrom(
      "LISTA_PRIORIDADES_ADAPTACAO_CONTEXTO ;ana;;rui;;;;zeca;\r\n"
      "\n"
      "ADAPTACAO_CONTEXTO\n"
      "PAPEL_COMUNICACAO_COOPERATIVA x\n"
      "PORTA_GPS\n"
      "CHAVE_DESCONHECIDA 3\n"
      "LIMPAR_SUGESTOES_APOS_SELECCAO 1\n"
      "LIMPAR_SUGESTOES_APOS_SELECCAO 0\n");
  EXPECT_EQ(options.PriorityList(), (Strings{"ana", "rui", "zeca"}));
  EXPECT_FALSE(options.ContextAdaptation());
  EXPECT_EQ(options.CooperationRole(), 0);
  EXPECT_EQ(options.GpsPort(), "");
  EXPECT_FALSE(options.ClearSuggestionsAfterSelection());

  std::string many = "LISTA_PRIORIDADES_ADAPTACAO_CONTEXTO ";
  for (int i = 0; i < 300; ++i) many += "p" + std::to_string(i) + ";;;";
  options.ReadFrom(many);
  EXPECT_EQ(options.PriorityList().size(), 256u);
}

TEST(SystemOptions, SavesOnlyWhatChangedAndKeepsTheFlagWhenWritingFails) {
  TempFolder folder;
  folder.Write("configsis", "ADAPTACAO_CONTEXTO 1\n");
  // Read-only: the one who set the system up keeps it as it is.
  std::filesystem::permissions(folder.File("configsis"), std::filesystem::perms::owner_read);
  CSystemOptions options;
  options.Load(testing::DiskFiles(), folder.Path(), nullptr);
  EXPECT_TRUE(options.ContextAdaptation());
  EXPECT_TRUE(options.Save());  // nothing changed: nothing written

  options.SetGpsPort("com2");
  EXPECT_TRUE(options.Changed());
  EXPECT_FALSE(options.Save());
  EXPECT_TRUE(options.Changed());
  EXPECT_EQ(folder.Read("configsis"), "ADAPTACAO_CONTEXTO 1\n");

  std::filesystem::permissions(folder.File("configsis"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  ASSERT_TRUE(options.Save());
  EXPECT_FALSE(options.Changed());
  CSystemOptions read;
  read.Load(testing::DiskFiles(), folder.Path(), nullptr);
  EXPECT_EQ(read.GpsPort(), "com2");
  EXPECT_TRUE(read.ContextAdaptation());

  CSystemOptions unwritable;
  unwritable.Load(testing::DiskFiles(), folder.File("pasta-inexistente/"), nullptr);
  unwritable.SetGpsPort("com4");
  EXPECT_FALSE(unwritable.Save());
  EXPECT_TRUE(unwritable.Changed());
}

TEST(SystemChangesLock, OnlyTheExactPasswordUnlocks) {
  CSystemOptions options;
  options.ReadFrom("ALTERACOES_SISTEMA 0\n");
  RecordingMessageBox messages;
  EXPECT_FALSE(SystemChangesAllowed(options, messages));
  EXPECT_FALSE(options.Unlock("$tolvamex4$", messages));
  EXPECT_FALSE(options.Unlock("", messages));
  EXPECT_FALSE(options.SystemChangesAllowed());
  EXPECT_FALSE(options.Changed());
  EXPECT_TRUE(options.Unlock("$TolvameX4$", messages));
  EXPECT_TRUE(options.SystemChangesAllowed());
  EXPECT_TRUE(SystemChangesAllowed(options, messages));
  EXPECT_TRUE(CheckSystemPassword("$TolvameX4$", messages));
  EXPECT_EQ(messages.messages,
            (Strings{std::string(kLocked), "Senha incorrecta!", "Senha incorrecta!"}));
}

TEST(PriorityListModel, AddRemoveAndMoveWithTheirMessages) {
  RecordingMessageBox messages;
  PriorityListModel list;
  EXPECT_FALSE(list.Remove(messages));
  EXPECT_FALSE(list.MoveUp(messages));
  EXPECT_TRUE(list.Add("ana", messages));
  EXPECT_TRUE(list.Add("rui", messages));
  EXPECT_FALSE(list.Add("", messages));
  EXPECT_FALSE(list.Add("ana", messages));
  EXPECT_TRUE(list.Add("zeca", messages));
  EXPECT_FALSE(list.MoveDown(messages));  // nothing selected
  EXPECT_EQ(messages.messages,
            (Strings{"Lista vazia!", "Lista vazia!",
                     "Esse perfil de utilizador j\xE1 se encontra na lista! ",
                     "Seleccione primeiro um perfil de utilizador."}));

  list.Select(2);
  EXPECT_TRUE(list.MoveUp(messages));
  EXPECT_EQ(list.Names(), (Strings{"ana", "zeca", "rui"}));
  EXPECT_EQ(list.Selection(), 1);
  EXPECT_TRUE(list.MoveUp(messages));
  EXPECT_FALSE(list.MoveUp(messages));  // at the top
  EXPECT_EQ(list.Names(), (Strings{"zeca", "ana", "rui"}));
  EXPECT_TRUE(list.MoveDown(messages));
  EXPECT_EQ(list.Selection(), 1);

  messages.answers = {false, true, true};
  EXPECT_FALSE(list.Remove(messages));
  EXPECT_TRUE(list.Remove(messages));
  EXPECT_EQ(messages.questions, (Strings{"Quer mesmo retirar o perfil zeca da lista?",
                                         "Quer mesmo retirar o perfil zeca da lista?"}));
  EXPECT_EQ(list.Names(), (Strings{"ana", "rui"}));
  EXPECT_EQ(list.Selection(), 0);  // the entry before it
  EXPECT_TRUE(list.Remove(messages));
  EXPECT_EQ(list.Selection(), 0);  // the first
  EXPECT_EQ(list.Names(), Strings{"rui"});
  list.Select(5);
  EXPECT_EQ(list.Selection(), -1);
}

}  // namespace
}  // namespace vorelio
