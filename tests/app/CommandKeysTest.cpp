// On-screen keys whose output is an action, clicked on the simulated
// desktop and carried out by the controller's own runner: commands,
// keyboard links, key sequences, programs and profile changes.
#include "ControllerFixture.h"

namespace vorelio::testing {
namespace {

// Keys of the keyboard "Comandos".
const COnScreenKeyIdentifier kClearKey{0, 0, 0};
const COnScreenKeyIdentifier kSpeakSentenceKey{0, 0, 1};
const COnScreenKeyIdentifier kSpeakAllKey{0, 0, 2};
const COnScreenKeyIdentifier kDeleteWordKey{0, 0, 3};
const COnScreenKeyIdentifier kDeleteSentenceKey{0, 0, 4};
const COnScreenKeyIdentifier kSequenceKey{0, 0, 5};
const COnScreenKeyIdentifier kLoggingKey{1, 0, 0};
const COnScreenKeyIdentifier kProgramKey{1, 0, 1};
const COnScreenKeyIdentifier kAnaKey{1, 0, 2};
const COnScreenKeyIdentifier kGenericKey{1, 0, 3};
const COnScreenKeyIdentifier kDescribeKey{1, 0, 4};
const COnScreenKeyIdentifier kQuitKey{1, 0, 5};
const COnScreenKeyIdentifier kLoggingKeyboardKey{1, 0, 6};
// Keys of the keyboard "Registo".
const COnScreenKeyIdentifier kOtherLoggingKey{0, 0, 0};
const COnScreenKeyIdentifier kBackKey{0, 0, 1};

using Texts = std::vector<std::string>;

class CommandKeysTest : public ControllerTest {
 protected:
  CommandKeysTest() {
    folder.Write(
        "Comandos.tec",
        "LINHA Texto\nGRUPO Escrita\n"
        "TECLA TECLA_NORMAL Limpar limpar [Limpar-Area-Trabalho] 1\n"
        "TECLA TECLA_NORMAL Frase dizer;;;a;;;frase [Sintetizar-Fala-Frase] 1\n"
        "TECLA TECLA_NORMAL Tudo dizer;;;tudo [Sintetizar-Fala-Area-Trabalho] 1\n"
        "TECLA TECLA_NORMAL Palavra apagar;;;palavra [Apagar-Palavra] 1\n"
        "TECLA TECLA_NORMAL Apagar apagar;;;frase [Apagar-Frase] 1\n"
        "TECLA TECLA_NORMAL Ok escrever;;;ok {Shift+o}{k} 1\n"
        "LINHA Programa\nGRUPO Controlo\n"
        "TECLA TECLA_NORMAL Registo registo [Trocar-Modo-Logging] 1\n"
        "TECLA TECLA_NORMAL Jogo jogar jogos\\xadrez.exe 1\n"
        "TECLA TECLA_NORMAL Ana perfil;;;da;;;Ana [Alterar-Perfil-Utilizador;;;ana] 1\n"
        "TECLA TECLA_NORMAL Todos perfil;;;comum [Alterar-Perfil-Utilizador;;;generico] 1\n"
        "TECLA TECLA_NORMAL Descrever esta;;;tecla;;;descreve-se "
        "[Sintetizar-Descri\xe7\xe3o-Tecla] 1\n"
        "TECLA TECLA_NORMAL Sair sair [Sair-Aplica\xe7\xe3o] 1\n"
        "TECLA TECLA_NORMAL Mais outro;;;teclado Registo.tec 1\n");
    folder.Write("Registo.tec",
                 "LINHA Registo\nGRUPO g\n"
                 "TECLA TECLA_NORMAL Registo registo [Trocar-Modo-Logging] 1\n"
                 "TECLA TECLA_NORMAL Voltar voltar Comandos.tec 1\n");
  }
  void StartOnCommands(const std::map<std::string, std::string>& changes = {}) {
    std::map<std::string, std::string> options = changes;
    options.emplace("NOME_TECLADO", "Comandos");
    Start(options);
  }
  bool Marked(const COnScreenKeyIdentifier& key) { return view->Keyboard().Key(key)->HasMarker(); }
  std::string ShownKeyboard() { return view->Profiles().Current()->Properties().KeyboardInUse(); }
};

TEST_F(CommandKeysTest, ClearingTheWorkAreaKeepsTheEditorsMessageInTheHistory) {
  StartOnCommands();
  PutEditorInFront(editor);
  editor.Type("Bom dia.");
  const int64_t cycles = view->PredictionCycles();
  Click(kClearKey);
  EXPECT_EQ(view->MessageHistory(), Texts{"Bom dia."});
  EXPECT_EQ(editor.model.Text(), "");
  EXPECT_EQ(view->PredictionCycles(), cycles + 1);
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_CLEAR_INTERNAL_WORD_PROCESSOR 0.0.0").size(), 1u);

  // With an application in front the message is kept, and the editor too.
  editor.Type("Adeus.");
  PutApplicationInFront();
  Click(kClearKey);
  EXPECT_EQ(view->MessageHistory(), (Texts{"Bom dia.", "Adeus."}));
  EXPECT_EQ(editor.model.Text(), "Adeus.");
}

TEST_F(CommandKeysTest, TheSentenceOfTheApplicationIsSpokenAndCounted) {
  StartOnCommands();
  Type("Ol\xe1. Bom dia a todos");
  Click(kSpeakSentenceKey);
  // The current sentence, with the blank the target keeps after the stop.
  EXPECT_EQ(Spoken(), Texts{" Bom dia a todos"});
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_SPEAK_SENTENCE 0.0.1").size(), 1u);
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_SYNTHESIZE_SENTENCE_Bom_dia_a_todos 0.0.1").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kSentenceSpoken), 1);
  // The application's whole text is not known: nothing more is spoken.
  Click(kSpeakAllKey);
  EXPECT_EQ(Spoken(), Texts{" Bom dia a todos"});
  EXPECT_EQ(Counters().messagesSpoken, 0);
}

TEST_F(CommandKeysTest, TheEditorsWholeMessageIsSpokenCountedAndLearnt) {
  StartOnCommands();
  PutEditorInFront(editor);
  editor.Type("Ol\xe1. Quero p\xe3o.");
  Click(kSpeakAllKey);
  EXPECT_EQ(Spoken(), Texts{"Ol\xe1. Quero p\xe3o."});
  EXPECT_EQ(Counters().messagesSpoken, 1);
  EXPECT_EQ(Counters().totalWordsSpoken, 3);
  EXPECT_EQ(Counters().totalSentencesSpoken, 2);
  const CDictionarySentence learnt = view->Dictionary()->FindSentence("ol\xe1. quero p\xe3o.");
  ASSERT_FALSE(learnt.IsNone());
  EXPECT_EQ(learnt->userFrequency, 1);
  EXPECT_EQ(view->Dictionary()->FindSentence("quero p\xe3o.").IsNone(), true);
}

TEST_F(CommandKeysTest, DeletingTheWordAndTheSentenceErasesInTheEditorOnly) {
  StartOnCommands();
  PutEditorInFront(editor);
  editor.Type("Bom dia. Quero p");
  const int64_t cycles = view->PredictionCycles();
  Click(kDeleteWordKey);
  EXPECT_EQ(editor.model.Text(), "Bom dia. Quero ");
  Click(kDeleteSentenceKey);
  EXPECT_EQ(editor.model.Text(), "Bom dia.");
  EXPECT_EQ(view->PredictionCycles(), cycles + 2);

  // Another application's text cannot be erased this way.
  PutApplicationInFront();
  Type("Bom dia. Quero p");
  Click(kDeleteWordKey);
  Click(kDeleteSentenceKey);
  EXPECT_EQ(ApplicationText(), "Bom dia. Quero p");
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_DELETE_WORD").size(), 2u);
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_DELETE_SENTENCE").size(), 2u);
}

TEST_F(CommandKeysTest, LoggingIsSwitchedOnAndOffByAKey) {
  StartOnCommands({{"REGISTAR_EVENTOS", "0"}});
  EXPECT_TRUE(LogFiles().empty());
  EXPECT_FALSE(Marked(kLoggingKey));
  ASSERT_FALSE(mainWindow.titles.empty());
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: generico (Comandos) (Logging Desligado)");
  const std::size_t titles = mainWindow.titles.size();

  Click(kLoggingKey);
  EXPECT_TRUE(view->Logging().IsOn());
  EXPECT_EQ(LogFiles().size(), 1u);
  EXPECT_TRUE(Marked(kLoggingKey));
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: generico (Comandos) (Logging Ligado)");
  Type("ok");

  Click(kLoggingKey);
  EXPECT_FALSE(view->Logging().IsOn());
  EXPECT_FALSE(Marked(kLoggingKey));
  EXPECT_EQ(mainWindow.titles.size(), titles + 2);
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: generico (Comandos) (Logging Desligado)");
  // The period holds what was typed and the switch that ended it, then its
  // metrics.
  ASSERT_EQ(LogFiles().size(), 1u);
  EXPECT_EQ(LogLinesWith("CHAR_k").size(), 1u);
  EXPECT_EQ(LogLinesWith("LEFT_MOUSE_DOWN_KEY COMMAND_EXECUTION_SWITCH_LOGGING_MODE 1.0.0").size(),
            1u);
  EXPECT_NE(LogText().find("Numero_Teclas_Pressionadas"), std::string::npos);
  Type("x");
  EXPECT_EQ(LogLinesWith("CHAR_x").size(), 0u);

  // The choice is saved with the profile's options.
  Click(kLoggingKey);
  view.reset();
  EXPECT_NE(folder.Read("generico.cfg").find("\nREGISTAR_EVENTOS 1\n"), std::string::npos);
}

TEST_F(CommandKeysTest, TheLoggingKeysShowWhetherItIsOnOnEveryKeyboard) {
  StartOnCommands();  // a profile that logs
  EXPECT_TRUE(Marked(kLoggingKey));
  Click(kLoggingKeyboardKey);
  EXPECT_EQ(ShownKeyboard(), "Registo");
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: generico (Registo) (Logging Ligado)");
  EXPECT_TRUE(Marked(kOtherLoggingKey));
  EXPECT_FALSE(Marked(kBackKey));
  Click(kOtherLoggingKey);
  EXPECT_FALSE(Marked(kOtherLoggingKey));
  Click(kBackKey);
  EXPECT_EQ(ShownKeyboard(), "Comandos");
  EXPECT_FALSE(Marked(kLoggingKey));
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: generico (Comandos) (Logging Desligado)");
}

TEST_F(CommandKeysTest, AKeySequenceIsTypedIntoTheApplicationAsTheProgramsKeys) {
  StartOnCommands();
  Click(kSequenceKey);
  EXPECT_EQ(ApplicationText(), "Ok");
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);  // Shift, O and K came back
  EXPECT_EQ(Counters().systemKeys, 3);
  EXPECT_EQ(Counters().userKeys, 0);
  EXPECT_EQ(LogLinesWith("AUTO_KEY").size(), 3u);
  EXPECT_EQ(LogLinesWith("LEFT_MOUSE_DOWN_KEY KEY_SEQUENCE_EXECUTION_").size(), 1u);
}

TEST_F(CommandKeysTest, ProfileKeysOpenTheNamedProfile) {
  AddProfileAna("NOME_TECLADO Comandos\nREGISTAR_EVENTOS 0\n");
  StartOnCommands();
  Click(kAnaKey);
  EXPECT_EQ(view->Profiles().Current()->Name(), "ana");
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: ana (Comandos) (Logging Desligado)");
  EXPECT_FALSE(view->Logging().IsOn());
  // Logged in generico's log before it ended.
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_CHANGE_USER_PROFILE 1.0.2").size(), 1u);

  Click(kGenericKey);
  EXPECT_EQ(view->Profiles().Current()->Name(), "generico");
  EXPECT_EQ(mainWindow.titles.back(), "Vorelio V3.0: generico (Comandos) (Logging Ligado)");
  EXPECT_TRUE(view->Logging().IsOn());
  EXPECT_EQ(messages.messages, Texts{});
}

TEST_F(CommandKeysTest, ProgramDescriptionAndQuitKeysReachTheLauncherTheVoiceAndTheWindow) {
  StartOnCommands();
  Click(kProgramKey);
  EXPECT_EQ(launcher.launched, Texts{"jogos\\xadrez.exe"});
  EXPECT_EQ(LogLinesWith("PROGRAM_EXECUTION_jogos\\xadrez.exe 1.0.1").size(), 1u);
  Click(kDescribeKey);
  EXPECT_EQ(Spoken(), Texts{"esta tecla descreve-se"});
  EXPECT_EQ(mainWindow.closes, 0);
  Click(kQuitKey);
  EXPECT_EQ(mainWindow.closes, 1);
  EXPECT_EQ(LogLinesWith("COMMAND_EXECUTION_QUIT_APPLICATION 1.0.5").size(), 1u);
}

}  // namespace
}  // namespace vorelio::testing
