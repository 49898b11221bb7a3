// The actions of on-screen keys through a controller that records what it
// was asked, in order, with the events logged and the keys synthesized.
#include "app/KeyActionRunner.h"

#include <gtest/gtest.h>

#include "output/Keyboard.h"
#include "output/RecordingKeystrokeSink.h"
#include "platform/Clock.h"
#include "platform/sim/RecordingProgramLauncher.h"

namespace vorelio {
namespace {

using Steps = std::vector<std::string>;

class RecordingHost final : public CommandHost {
 public:
  void Record(const LogEvent& e) override {
    steps.push_back("log " + e.event + " " + e.type + " " + e.element + " " + e.center);
  }
  KeyPlace PlaceOf(const COnScreenKeyIdentifier& key) override {
    return {key.Text(), 100 + key.key, 200 + key.line};
  }
  bool LoggingOptionOn() override { return loggingOption; }
  void SetLoggingOption(bool on) override {
    loggingOption = on;
    Step(on ? "option on" : "option off");
  }
  void StartLogging() override {
    // As the controller's: a period starts only for a profile that logs.
    logging = loggingOption;
    Step("start logging");
  }
  void EndLogging() override {
    logging = false;
    Step("end logging");
  }
  void ShowCommandKeysPressed(ProgramCommand command, bool pressed) override {
    keysPressed = pressed;
    Step(CommandOutput(command) + (pressed ? " pressed" : " released"));
  }
  void RefreshTitle() override { Step(logging ? "title: logging" : "title: not logging"); }
  bool OpenKeyboard(std::string_view name) override {
    Step("open keyboard ", name);
    return true;
  }
  void OpenProfile(std::string_view name) override { Step("change profile ", name); }
  std::optional<std::string> InternalEditorText() override { return editorText; }
  bool TargetIsInternalEditor() const override { return editorIsTarget; }
  void ClearInternalEditor() override { Step("clear editor"); }
  void AddToMessageHistory(std::string_view message) override { Step("history ", message); }
  void DeleteCurrentWord() override { Step("delete word"); }
  void DeleteSentenceBeforeCaret() override { Step("delete sentence"); }
  void ShowNextSuggestions() override { Step("next suggestions"); }
  void RunPredictionCycle() override { Step("prediction cycle"); }
  void ExpectSynthesizedKeys(int32_t count) override {
    Step("synthesized +" + std::to_string(count));
  }
  SpokenWord CurrentWord() override { return word; }
  std::string CurrentSentence() override { return sentence; }
  std::string WholeTargetText() override { return targetText; }
  std::string KeyDescription(const COnScreenKeyIdentifier& key) override {
    return key == COnScreenKeyIdentifier{2, 1, 5} ? description : "";
  }
  std::string Speak(std::string_view text) override {
    if (!voice) return {};
    Step("speak ", text);
    return std::string(text);
  }
  void LearnMessage(std::string_view text) override { Step("learn message ", text); }
  WritingMetrics& Metrics() override { return metrics; }
  void CloseMainWindow() override { Step("close main window"); }

  void Step(std::string what, std::string_view detail = {}) {
    steps.push_back(std::move(what) + std::string(detail));
  }

  Steps steps;
  bool loggingOption = false;
  bool logging = false;
  bool keysPressed = false;
  std::optional<std::string> editorText;
  bool editorIsTarget = false;
  SpokenWord word;
  std::string sentence;
  std::string targetText;
  std::string description;
  bool voice = true;  // false: the profile's voice is "Nenhum"
  ManualClock clock;
  WritingMetrics metrics{clock};
};

// Keys go into the host's steps, so their order with the count shows.
class StepSink final : public KeystrokeSink {
 public:
  explicit StepSink(RecordingHost& host) : host_(host) {}
  void SendKeyEvent(uint8_t virtualKey, bool down) override {
    host_.Step(down ? "key down " : "key up ", std::to_string(virtualKey));
  }
  KeyScanResult KeyScan(char character) override { return layout_.KeyScan(character); }

 private:
  RecordingHost& host_;
  RecordingKeystrokeSink layout_;
};

class KeyActionRunnerTest : public ::testing::Test {
 protected:
  // Runs a key's output as a left mouse press of key 2.1.5.
  bool Press(std::string_view output, KeyTrigger trigger = KeyTrigger::LeftMouse()) {
    return runner.Run(ClassifyKeyOutput(output), trigger, key);
  }
  Steps Command(std::string_view line) {
    host.steps.clear();
    runner.RunCommand(line, KeyTrigger::LeftMouse(), key);
    return host.steps;
  }
  // What the runner logs for the key 2.1.5 pressed with the left button.
  static std::string Logged(std::string_view type) {
    return "log LEFT_MOUSE_DOWN_KEY " + std::string(type) + " 2.1.5 105.202";
  }

  const COnScreenKeyIdentifier key{2, 1, 5};
  RecordingHost host;
  StepSink sink{host};
  CKeyboard keyboard{sink};
  RecordingProgramLauncher launcher;
  KeyActionRunner runner{host, keyboard, launcher};
};

TEST_F(KeyActionRunnerTest, AKeyboardLinkInCapitalsOpensTheKeyboardByName) {
  EXPECT_TRUE(Press(" Numeros.TEC "));
  EXPECT_EQ(host.steps,
            (Steps{Logged("ON_SCREEN_KEYBOARD_CALL_Numeros"), "open keyboard Numeros"}));
}

TEST_F(KeyActionRunnerTest, AProgramIsStartedAndAFailureIgnored) {
  EXPECT_TRUE(Press("C:\\Jogos\\xadrez.exe"));
  launcher.startsPrograms = false;
  EXPECT_TRUE(Press("nao existe.COM"));
  EXPECT_EQ(launcher.launched, (Steps{"C:\\Jogos\\xadrez.exe", "nao existe.COM"}));
  EXPECT_EQ(host.steps, (Steps{Logged("PROGRAM_EXECUTION_C:\\Jogos\\xadrez.exe"),
                               Logged("PROGRAM_EXECUTION_nao_existe.COM")}));
}

TEST_F(KeyActionRunnerTest, AKeySequenceIsCountedThenPlayedAndAnEmptyOneOnlyLogged) {
  EXPECT_TRUE(Press(" {Ctrl+c} ", KeyTrigger::Scanning(SwitchCause::kSwitch2Down)));
  EXPECT_TRUE(Press("{}"));
  EXPECT_TRUE(Press("{ + }"));
  EXPECT_EQ(host.steps,
            (Steps{"log SWITCH2_DOWN KEY_SEQUENCE_EXECUTION_Ctrl+c 2.1.5 105.202", "synthesized +2",
                   "key down 17", "key down 67", "key up 67", "key up 17",
                   Logged("KEY_SEQUENCE_EXECUTION"), Logged("KEY_SEQUENCE_EXECUTION_+")}));
}

TEST_F(KeyActionRunnerTest, TextAndPictogramOutputsAreLeftToTheCaller) {
  for (const char* output : {"casa", "Enter", "", "{", "[", "CAT_IMG_A\\sol.bmp"})
    EXPECT_FALSE(Press(output)) << output;
  EXPECT_TRUE(host.steps.empty());
  EXPECT_TRUE(launcher.launched.empty());
}

TEST_F(KeyActionRunnerTest, ChangingProfileNeedsAName) {
  EXPECT_TRUE(Press("[Alterar-Perfil-Utilizador generico]"));
  EXPECT_EQ(host.steps, (Steps{Logged("COMMAND_EXECUTION_CHANGE_USER_PROFILE"),
                               "change profile generico"}));
  EXPECT_EQ(Command("Alterar-Perfil-Utilizador"),
            (Steps{Logged("COMMAND_EXECUTION_CHANGE_USER_PROFILE")}));
}

TEST_F(KeyActionRunnerTest, ClearingTheWorkAreaKeepsTheMessageAndClearsOnlyTheEditor) {
  const std::string event = Logged("COMMAND_EXECUTION_CLEAR_INTERNAL_WORD_PROCESSOR");
  EXPECT_EQ(Command("Limpar-Area-Trabalho"), (Steps{event, "prediction cycle"}))
      << "no internal editor";
  host.editorText = "Bom dia. [sol]";
  EXPECT_EQ(Command("Limpar-Area-Trabalho"),
            (Steps{event, "history Bom dia. [sol]", "prediction cycle"}))
      << "another application is the target";
  host.editorIsTarget = true;
  EXPECT_EQ(Command("Limpar-Area-Trabalho"),
            (Steps{event, "history Bom dia. [sol]", "clear editor", "prediction cycle"}));
  host.editorText = "";
  EXPECT_EQ(Command("Limpar-Area-Trabalho"), (Steps{event, "clear editor", "prediction cycle"}))
      << "an empty message is not kept";
}

TEST_F(KeyActionRunnerTest, ErasingNextPageAndQuitting) {
  // A command ignores an argument it does not use.
  EXPECT_TRUE(Press("[Apagar-Palavra tudo]"));
  EXPECT_EQ(host.steps,
            (Steps{Logged("COMMAND_EXECUTION_DELETE_WORD"), "delete word", "prediction cycle"}));
  EXPECT_EQ(Command("Apagar-Frase"), (Steps{Logged("COMMAND_EXECUTION_DELETE_SENTENCE"),
                                            "delete sentence", "prediction cycle"}));
  EXPECT_EQ(Command("Mostrar-Predi\xe7\xf5" "es-Seguintes"),
            (Steps{Logged("COMMAND_EXECUTION_NEXT_PREDICTIONS"), "next suggestions"}));
  EXPECT_EQ(Command("Sair-Aplica\xe7\xe3o"),
            (Steps{Logged("COMMAND_EXECUTION_QUIT_APPLICATION"), "close main window"}));
}

TEST_F(KeyActionRunnerTest, SpeechCommandsLogWhatTheySpeakAndCountIt) {
  host.metrics.Begin();
  host.word = {"casa", false};
  EXPECT_EQ(Command("Sintetizar-Fala-Palavra"),
            (Steps{Logged("COMMAND_EXECUTION_SPEAK_WORD"),
                   Logged("COMMAND_EXECUTION_SYNTHESIZE_WORD_casa"), "speak casa"}));
  host.word = {"sol amarelo", true};
  EXPECT_EQ(Command("Sintetizar-Fala-Palavra"),
            (Steps{Logged("COMMAND_EXECUTION_SPEAK_WORD"),
                   Logged("COMMAND_EXECUTION_SYNTHESIZE_IMAGE_sol_amarelo"), "speak sol amarelo"}));
  host.sentence = "Bom dia.";
  EXPECT_EQ(Command("Sintetizar-Fala-Frase"),
            (Steps{Logged("COMMAND_EXECUTION_SPEAK_SENTENCE"),
                   Logged("COMMAND_EXECUTION_SYNTHESIZE_SENTENCE_Bom_dia."), "speak Bom dia."}));
  host.targetText = "Ol\xe1 a todos.\nAdeus.";
  EXPECT_EQ(Command("Sintetizar-Fala-Area-Trabalho"),
            (Steps{Logged("COMMAND_EXECUTION_SPEAK_ALL"),
                   Logged("COMMAND_EXECUTION_SYNTHESIZE_ALL_Ol\xe1_a_todos._Adeus."),
                   "speak Ol\xe1 a todos.\nAdeus.", "learn message Ol\xe1 a todos.\nAdeus."}));
  host.description = "Tecla para falar";
  EXPECT_EQ(Command("Sintetizar-Descri\xe7\xe3o-Tecla"),
            (Steps{Logged("COMMAND_EXECUTION_SPEAK_KEY_DESCRIPTION"), "speak Tecla para falar"}));

  const WritingCounters& counted = host.metrics.Counters();
  EXPECT_EQ(counted.Of(WritingEvent::kWordSpoken), 1);
  EXPECT_EQ(counted.Of(WritingEvent::kPictogramSpoken), 1);
  EXPECT_EQ(counted.Of(WritingEvent::kSentenceSpoken), 1);
  EXPECT_EQ(counted.messagesSpoken, 1);
  EXPECT_EQ(counted.totalWordsSpoken, 4);
  EXPECT_EQ(counted.totalSentencesSpoken, 2);
}

TEST_F(KeyActionRunnerTest, WithoutAVoiceNothingIsCountedOrLearnt) {
  host.metrics.Begin();
  host.voice = false;
  host.word = {"casa", false};
  host.sentence = "Bom dia.";
  host.targetText = "Bom dia.";
  EXPECT_EQ(Command("Sintetizar-Fala-Palavra").size(), 2u);  // the command and the word
  EXPECT_EQ(Command("Sintetizar-Fala-Frase").size(), 2u);
  EXPECT_EQ(Command("Sintetizar-Fala-Area-Trabalho"),
            (Steps{Logged("COMMAND_EXECUTION_SPEAK_ALL"),
                   Logged("COMMAND_EXECUTION_SYNTHESIZE_ALL_Bom_dia.")}));
  const WritingCounters& counted = host.metrics.Counters();
  EXPECT_EQ(counted.Of(WritingEvent::kWordSpoken), 0);
  EXPECT_EQ(counted.Of(WritingEvent::kSentenceSpoken), 0);
  EXPECT_EQ(counted.messagesSpoken, 0);
}

TEST_F(KeyActionRunnerTest, SpeechCommandsWithNothingToSpeakAreOnlyLogged) {
  for (const char* line : {"Sintetizar-Fala-Palavra", "Sintetizar-Fala-Frase",
                           "Sintetizar-Fala-Area-Trabalho", "Sintetizar-Descri\xe7\xe3o-Tecla"})
    EXPECT_EQ(Command(line).size(), 1u) << line;
}

TEST_F(KeyActionRunnerTest, SendingTheEditorTextTypesItAsTheProgramsKeys) {
  const std::string event = Logged("COMMAND_EXECUTION_SEND_MESSAGE_EXTERNAL_EDITOR");
  EXPECT_EQ(Command("Enviar-Mensagem-Editor_Externo"), (Steps{event})) << "no internal editor";
  host.editorText = "";
  EXPECT_EQ(Command("Enviar-Mensagem-Editor_Externo"), (Steps{event}));
  host.editorText = "Ok";
  EXPECT_EQ(Command("Enviar-Mensagem-Editor_Externo"),
            (Steps{event, "synthesized +3", "key down 16", "key down 79", "key up 79", "key up 16",
                   "key down 75", "key up 75"}));
}

TEST_F(KeyActionRunnerTest, TogglingLoggingTwiceReturnsToTheFirstState) {
  const std::string event = Logged("COMMAND_EXECUTION_SWITCH_LOGGING_MODE");
  EXPECT_EQ(Command("Trocar-Modo-Logging"),
            (Steps{event, "option on", "start logging", "[Trocar-Modo-Logging] pressed",
                   "title: logging"}));
  EXPECT_TRUE(host.logging);
  EXPECT_EQ(Command("Trocar-Modo-Logging"),
            (Steps{event, "end logging", "option off", "[Trocar-Modo-Logging] released",
                   "title: not logging"}));
  EXPECT_FALSE(host.loggingOption);
  EXPECT_FALSE(host.logging);
  EXPECT_FALSE(host.keysPressed);

  // From a profile that logs, the first toggle switches it off.
  host.loggingOption = host.logging = true;
  Command("Trocar-Modo-Logging");
  Command("Trocar-Modo-Logging");
  EXPECT_TRUE(host.loggingOption);
  EXPECT_TRUE(host.logging);
  EXPECT_EQ(host.steps.back(), "title: logging");
}

TEST_F(KeyActionRunnerTest, BadCommandLinesDoNothingAndLogNothing) {
  // Which names are commands is the command table's; here, what the
  // brackets leave of the output.
  for (const char* output : {"[]", "[ ]", "[\t]", "[apagar-palavra]", "[[Apagar-Palavra]]",
                             "[Apagar-Palavra]]", "[Trocar-Modo-Logging\x01]", "[\xff\xfe]"}) {
    EXPECT_TRUE(Press(output)) << output;
    EXPECT_TRUE(host.steps.empty()) << output;
  }
  EXPECT_TRUE(Press("[" + std::string(100000, '-') + "]"));
  EXPECT_TRUE(host.steps.empty());
  EXPECT_FALSE(host.loggingOption);
}

}  // namespace
}  // namespace vorelio
