#include "logging/EventLogging.h"

#include <gtest/gtest.h>

#include "logging/EventCatalogue.h"
#include "platform/sim/MemoryFileSystem.h"
#include "tests/logging/LoggingFixtures.h"

namespace vorelio {
namespace {

using testing::LinesOf;
using testing::SundayAt;

// Stands in for the physical keyboard's count: one press per character.
int32_t OnePressPerCharacter(std::string_view text) { return static_cast<int32_t>(text.size()); }

constexpr std::string_view kLogPath = "/dados/generico Sun Dec 06 00-27-17 2026.log";

std::vector<std::string> Header() {
  return {"TIME Time when the event occurred",
          "OUTPUT Text output caused by the event",
          "EVENT The event",
          "TYPE Type of the element or operation connected to the event",
          "ELEMENT Screen element where the event occurred",
          "CENTER Screen coordinates of the element center where the event occurred",
          "PAGE Communication board where the event occurred",
          "CONTEXT Message content before de event",
          "$$$ End Header",
          "",
          "00:27:17.042 \"\" SYSTEM_INFO START_LOGGING - - - \"-\""};
}

class EventLoggingTest : public ::testing::Test {
 protected:
  EventLoggingTest() { files.AddFolder("/dados"); }

  void StartLogging() { logging.Start(settings, "/dados/", "generico"); }
  std::vector<std::string> LogLines() {
    return LinesOf(files.ReadFile(std::string(kLogPath)).value());
  }
  void At(int second, int millisecond = 0) { clock.Set(SundayAt(second, millisecond)); }

  MemoryFileSystem files;
  ManualClock clock{SundayAt(17, 42)};
  RecordingMessageBox messages;
  EventLogging logging{files, clock, messages, &OnePressPerCharacter};
  LoggingSettings settings{.logEvents = 1, .inactivityLimitSeconds = 20, .logControlEvents = 1};
};

TEST_F(EventLoggingTest, AWholeLoggingPeriodLineByLine) {
  logging.SetPage("QwertySimples");
  StartLogging();
  ASSERT_TRUE(logging.IsOn());
  EXPECT_EQ(logging.Log()->Path(), kLogPath);
  WritingMetrics& metrics = logging.Metrics();

  // The user types "O" on the physical keyboard.
  At(18, 100);
  metrics.Clock().UserActed();
  logging.RecordControl(RawKeyDown("KEY_DOWN_O"));
  logging.Record(KeyDown("KEY_DOWN_O", false));
  metrics.KeyPressed(false);
  logging.Record(CharacterTyped('O'));
  metrics.Count(WritingEvent::kCharacterWritten);
  logging.SetContext("O");

  // ... clicks the on-screen key "l" ...
  At(19, 250);
  metrics.Clock().UserActed();
  LogEvent click = OnScreenKeyClick(KeyAction::kTextKeySelection, "TECLA_NORMAL",
                                    {.element = "2.1.5", .centerX = 412, .centerY = 630});
  click.output = "l";
  logging.Record(click);
  metrics.Count(WritingEvent::kOnScreenKeyPressed);
  metrics.Count(WritingEvent::kClick);
  logging.SetContext("Ol");

  // ... completes "Olá" with the third word suggestion, through a
  // physical prediction key; the program types the rest itself.
  At(20);
  metrics.Clock().UserActed();
  LogEvent completion = KeyDownAction("KEY_DOWN_F1", KeyAction::kPredictedWordSelection, {},
                                      {.element = "0.0.2", .centerX = 40, .centerY = 20});
  completion.output = "\xE1 ";
  logging.Record(completion);
  metrics.KeyPressed(false);
  metrics.Completed(CompletedText::kWord, CompletionSource::kSuggestionList, 2, 2);
  logging.Record(KeyDown("KEY_DOWN_A", true));
  metrics.KeyPressed(true);
  logging.SetContext("Ol\xE1 ");
  logging.Record(NewWord("Ol\xE1"));
  metrics.Count(WritingEvent::kWordWritten);

  // ... selects a pictogram key by scanning ...
  At(22, 5);
  metrics.Clock().UserActed();
  logging.Record(ScanningStarted(LoggedScanLevel::kLines));
  logging.Record(ScanningLineSelected(SwitchCause::kSwitch1Down, 2));
  logging.Record(ScanningGroupSelected(SwitchCause::kSwitch1Down, "2.1"));
  logging.Record(ScanningKeySelected(SwitchCause::kSwitch1Down, KeyAction::kImageKeySelection,
                                     "TECLA_IMAGEM", {.element = "2.1.0", .centerX = 100,
                                                      .centerY = 200}));
  for (int press = 0; press < 4; ++press) metrics.Count(WritingEvent::kSwitch1Activated);
  metrics.Count(WritingEvent::kSinglePictogramWritten);

  // ... writes "50%" on a second line and ends a sentence ...
  At(25);
  metrics.Clock().UserActed();
  logging.SetContext("Ol\xE1 [casa]\n50% Sim!!");
  logging.Record(NewWord("50%"));
  logging.Record(NewSentence("  Sim!! "));
  metrics.Count(WritingEvent::kSentenceWritten);
  metrics.MessageSpoken("Ol\xE1 50%. Sim!!");
  logging.AddFinalTextLine("Ol\xE1 [casa].");

  // ... and stops writing: after the 20 seconds of the limit the clock
  // pauses back to 00:27:25.
  for (int tick = 0; tick < 200; ++tick) metrics.Clock().Tick();
  At(45);
  metrics.Clock().Tick();
  At(50);
  logging.Record(MenuOption(MenuAction::kKeyboardLoad, "Teclado-Grande"));
  logging.End(std::string("Ol\xE1. Sim!!\r\nAdeus"));
  EXPECT_FALSE(logging.IsOn());

  std::vector<std::string> expected = Header();
  const std::vector<std::string> body = {
      "00:27:18.100 \"\" KEY_DOWN_O RAW_KEY_DOWN  -  - QwertySimples \"\"",
      "00:27:18.100 \"\" KEY_DOWN_O KEY  -  - QwertySimples \"\"",
      "00:27:18.100 \"O\" CHAR_O CHAR  -  - QwertySimples \"\"",
      "00:27:19.250 \"l\" LEFT_MOUSE_DOWN_KEY TEXT_KEY_SELECTION_TECLA_NORMAL 2.1.5 412.630 "
      "QwertySimples \"O\"",
      "00:27:20.000 \"\xE1 \" KEY_DOWN_F1 PREDICTED_WORD_SELECTION 0.0.2 40.20 QwertySimples "
      "\"Ol\"",
      "00:27:20.000 \"\" KEY_DOWN_A AUTO_KEY  -  - QwertySimples \"Ol\"",
      "00:27:20.000 \"\" NEW_WORD WORD_Ol\xE1  -  - QwertySimples \"Ol\xE1 \"",
      "00:27:22.005 \"\" SWITCH1_DOWN START_SCANNING_LINES  -  - QwertySimples \"Ol\xE1 \"",
      "00:27:22.005 \"\" SWITCH1_DOWN LINE_SELECTION 2  - QwertySimples \"Ol\xE1 \"",
      "00:27:22.005 \"\" SWITCH1_DOWN GROUP_SELECTION 2.1  - QwertySimples \"Ol\xE1 \"",
      "00:27:22.005 \"\" SWITCH1_DOWN IMAGE_KEY_SELECTION_TECLA_IMAGEM 2.1.0 100.200 "
      "QwertySimples \"Ol\xE1 \"",
      // A "%" stands as it is; the line break of the context is written "\n".
      "00:27:25.000 \"\" NEW_WORD WORD_50%  -  - QwertySimples \"Ol\xE1 [casa]\\n50% Sim!!\"",
      "00:27:25.000 \"\" NEW_SENTENCE SENTENCE_Sim!!  -  - QwertySimples "
      "\"Ol\xE1 [casa]\\n50% Sim!!\"",
      "00:27:50.000 \"\" MENU_OPTION_SELECTION ON_SCREEN_KEYBOARD_LOAD_Teclado-Grande  -  - "
      "QwertySimples \"Ol\xE1 [casa]\\n50% Sim!!\"",
      "$$$ End Body",
      "",
      // Started at :17 and paused at once; written from :18 to :25.
      "Tempo_Total_Escrita 33",
      "Tempo_Efectivo_Escrita 7",
      "Numero_Teclas_Pressionadas 2",
      "Numero_Teclas_Sistema 1",
      "Numero_Total_Teclas 3",
      "Numero_Teclas_Ecra_Pressionadas 1",
      "Numero_Activacoes_Manipulos 4",
      // The final text "Olá casa." + "Olá. Sim!!\r\nAdeus" costs 9 + 17
      // presses here: (26 - 2) * 100 / 26, (26 - 1) * 100 / 26, (26 - 4) * 100 / 26.
      "Numero_Teclas_Texto_Teclado_Qwerty 26",
      "Teclas_Poupadas_Comparacao_Escrita_Teclado_Qwerty 92.307692",
      "Teclas_Ecra_Poupadas_Comparacao_Escrita_Teclado_Qwerty 96.153846",
      "Activacoes_Manipulo_Poupadas_Comparacao_Escrita_Teclado_Qwerty 84.615385",
      "Numero_Caracteres_Escritos 1",
      "Numero_Palavras_Escritas 1",
      "Numero_Frases_Escritas 1",
      // 9 + 17 characters but the carriage return; Olá casa Olá Sim Adeus;
      // one "." and one "." and "!!".
      "Numero_Caracteres_Finais 25",
      "Numero_Palavras_Finais 5",
      "Numero_Frases_Finais 3",
      "Numero_Cliques 1",
      "Numero_Simbolos_Simples_Seleccionados 0",
      "Numero_Simbolos_Compostos_Seleccionados 0",
      "Numero_Simbolos_Simples_Escritos 1",
      "Numero_Simbolos_Compostos_Escritos 0",
      "Numero_Simbolos_Finais 1",
      "Numero_Alteracoes_Teclado_Ecran_Atraves_Menu 0",
      "Numero_Alteracoes_Teclado_Ecran_Atraves_Teclado_Ecran 0",
      "Numero_Adaptacoes_Contexto 0",
      "Numero_Envios_Comunicacao_Cooperativa 0",
      "Numero_Sugestoes_Palavras 0",
      "Numero_Sugestoes_Frases 0",
      "Numero_Sugestoes_Simbolos_Simples 0",
      "Numero_Sugestoes_Simbolos_Multiplos 0",
      "Numero_Abreviaturas_Expandidas 0",
      "Numero_Predicoes 0",
      "Numero_Procuras_Predi\xE7\xF5" "es_Seguintes 0",
      "Numero_Palavras_Completadas 1",
      "Posicao_Media_Palavras_Lista 2.000000",
      "Numero_Medio_Caracteres_Completar_Palavras 2.000000",
      "Numero_Palavras_Completadas_A_Partir_Simbolos_Simples 0",
      "Posicao_Media_Simbolos_Simples_Com_Palavra_Lista -",
      "Numero_Medio_Caracteres_Completar_Palavras_A_Partir_Simbolos_Simples -",
      "Numero_Palavras_Completadas_A_Partir_Simbolos_Compostos 0",
      "Posicao_Media_Simbolos_Compostos_Com_Palavra_Lista -",
      "Numero_Medio_Caracteres_Completar_Palavras_A_Partir_Simbolos_Compostos -",
      "Numero_Sequencias_Palavras_Completadas 0",
      "Posicao_Media_Sequencias_Palavras_Lista -",
      "Numero_Medio_Caracteres_Completar_Sequencia_Palavras -",
      "Numero_Sequencias_Palavras_Completadas_A_Partir_Simbolos_Simples 0",
      "Posicao_Media_Simbolos_Simples_Com_Sequencia_Palavras_Lista -",
      "Numero_Medio_Caracteres_Completar_Sequencia_Palavras_A_Partir_Simbolos_Simples -",
      "Numero_Sequencias_Palavras_Completadas_A_Partir_Simbolos_Compostos 0",
      "Posicao_Media_Simbolos_Compostos_Com_Sequencia_Palavra_Lista -",
      "Numero_Medio_Caracteres_Completar_Sequencia_Palavras_A_Partir_Simbolos_Compostos -",
      "Numero_Frases_Completadas 0",
      "Posicao_Media_Frases_Lista -",
      "Numero_Medio_Caracteres_Completar_Frases -",
      "Numero_Frases_Completadas_A_Partir_Simbolos_Simples 0",
      "Posicao_Media_Simbolos_Simples_Com_Frase_Lista -",
      "Numero_Medio_Caracteres_Completar_Frases_A_Partir_Simbolos_Simples -",
      "Numero_Frases_Completadas_A_Partir_Simbolos_Compostos 0",
      "Posicao_Media_Simbolos_Compostos_Com_Frase_Lista -",
      "Numero_Medio_Caracteres_Completar_Frases_A_Partir_Simbolos_Compostos -",
      "Numero_Simbolos_Simples_Preditos_Seleccionados 0",
      "Posicao_Media_Simbolos_Simples_Lista -",
      "Numero_Simbolos_Compostos_Preditos_Seleccionados 0",
      "Posicao_Media_Simbolos_Compostos_Lista -",
      "Numero_Caracteres_Simbolos_Apagados 0",
      "Palavras_Sintetizadas 0",
      "Frases_Sintetizadas 0",
      "Simbolos_Sintetizados 0",
      // "Olá 50%. Sim!!": three words in two sentences.
      "Total_Palavras_Sintetizadas 3",
      "Total_Frases_Sintetizadas 2",
      "Texto_Area_Trabalho_Sintetizado 1",
      "Linha_Texto_Final Ol\xE1 [casa].",
      "Linha_Texto_Final Ol\xE1. Sim!!",
      "Linha_Texto_Final Adeus",
  };
  expected.insert(expected.end(), body.begin(), body.end());
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(EventLoggingTest, PagesAndPeriodsOfTheProfileDecideWhatIsWritten) {
  // Not logging: no file, no line.
  settings.logEvents = 0;
  StartLogging();
  EXPECT_FALSE(logging.IsOn());
  logging.Record(NewWord("casa"));
  logging.End(std::nullopt);
  EXPECT_EQ(files.Paths(), std::vector<std::string>{"/dados/"});

  // Control events only when the profile asks for them.
  settings.logEvents = 1;
  settings.logControlEvents = 0;
  StartLogging();
  logging.RecordControl(RawMouseButtonDown(MouseButton::kLeft));
  logging.Record(RawMouseButtonDown(MouseButton::kRight));
  logging.SetContext("casa");
  logging.AddFinalTextLine("casa");
  // Starting again ends the open period first, with its metrics and final
  // text; the new one starts with an empty context and no final text.
  At(18);
  logging.Start(settings, "/dados/", "generico");
  const std::vector<std::string> first = LogLines();
  ASSERT_EQ(first.size(), 11u + 1u + 2u + 68u + 1u);
  EXPECT_EQ(first[11],
            "00:27:17.042 \"\" RIGHT_MOUSE_BUTTON_DOWN RAW_RIGHT_MOUSE_BUTTON_DOWN  -  -  - \"\"");
  EXPECT_EQ(first.back(), "Linha_Texto_Final casa");

  logging.Record(NewWord("sol"));
  logging.End(std::nullopt);
  const auto second = files.ReadFile("/dados/generico Sun Dec 06 00-27-18 2026.log");
  ASSERT_TRUE(second);
  const std::vector<std::string> lines = LinesOf(*second);
  EXPECT_EQ(lines[11], "00:27:18.000 \"\" NEW_WORD WORD_sol  -  -  - \"\"");
  EXPECT_EQ(lines.back(), "Texto_Area_Trabalho_Sintetizado 0");
}

TEST_F(EventLoggingTest, CountersCountOnlyWhileLoggingAndStayForTheDialog) {
  WritingMetrics& metrics = logging.Metrics();
  metrics.Count(WritingEvent::kClick);
  EXPECT_EQ(metrics.Counters().Of(WritingEvent::kClick), 0);

  StartLogging();
  metrics.Count(WritingEvent::kClick);
  metrics.MessageSpoken("Bom dia. Tudo bem?");
  logging.End(std::nullopt);
  metrics.Count(WritingEvent::kClick);
  EXPECT_EQ(metrics.Counters().Of(WritingEvent::kClick), 1);
  EXPECT_EQ(metrics.Counters().totalWordsSpoken, 4);
  EXPECT_EQ(metrics.Counters().totalSentencesSpoken, 2);

  // The dialog's lines, with logging off, show them; with an editor they
  // compare with the keyboard.
  const std::vector<std::string> lines = logging.MetricsLines(std::string("Ol\xE1"));
  EXPECT_EQ(lines[7], "Numero_Teclas_Texto_Teclado_Qwerty 3");
  EXPECT_EQ(lines[17], "Numero_Cliques 1");
}

}  // namespace
}  // namespace vorelio
