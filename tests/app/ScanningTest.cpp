// Scanning from the controller's side: the switch keys reach the scanner
// through the hook, the scanner's notifications are logged with the causes
// of the method and give their cues, and a selected key acts as if clicked.
#include "ControllerFixture.h"

namespace vorelio::testing {
namespace {

using Texts = std::vector<std::string>;

TEST_F(ControllerTest, ASuggestionKeySelectedByScanningCompletesTheWord) {
  Start({{"METODO_VARRIMENTO", "Regular"},
         {"LATENCIA_INTERRUPTORES_VARRIMENTO", "0"},
         {"VELOCIDADE_VARRIMENTO", "1000"},
         {"PISTA_SONORA_BEEP_VARRIMENTO", "1"},
         {"PISTA_SINTETIZADA_VARRIMENTO", "1"}});
  TypeAndPause("com");
  const auto press = [this] { Press(kNum5); };
  press();  // lines
  press();  // the first line: its groups
  press();  // the first group: its keys
  press();  // the first key
  EXPECT_EQ(ApplicationText(), "como ");
  EXPECT_EQ(beeper.beeps, 3);
  EXPECT_EQ(Spoken(), (Texts{"Sugestoes", "Palavras"}));  // a key has no description
  const Texts log = LogLines();
  const auto at = [&log](std::string_view part) {
    for (std::size_t i = 0; i < log.size(); ++i)
      if (log[i].find(part) != std::string::npos) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(log[at("START_SCANNING_LINES")],
            "\"\" SWITCH1_DOWN START_SCANNING_LINES  -  - Teste \"com\"");
  EXPECT_EQ(log[at("LINE_SELECTION")], "\"\" SWITCH1_DOWN LINE_SELECTION 0  - Teste \"com\"");
  EXPECT_EQ(log[at("GROUP_SELECTION")], "\"\" SWITCH1_DOWN GROUP_SELECTION 0.0  - Teste \"com\"");
  EXPECT_EQ(log[at("PREDICTED_WORD_SELECTION")],
            "\"\" SWITCH1_DOWN PREDICTED_WORD_SELECTION_como 0.0.0 10.20 Teste \"com\"");
  EXPECT_LT(at("START_SCANNING_LINES"), at("LINE_SELECTION"));
  EXPECT_LT(at("START_SCANNING_GROUPS"), at("START_SCANNING_KEYS"));
  EXPECT_EQ(Counters().Of(WritingEvent::kSwitch1Activated), 4);
  EXPECT_EQ(Counters().Of(WritingEvent::kOnScreenKeyPressed), 0);  // no click
}

TEST_F(ControllerTest, ShiftSelectedByScanningHoldsPastTheSwitchsRelease) {
  Start({{"METODO_VARRIMENTO", "Regular"}});
  desktop.PressKey(kNum5);
  Pump();
  view->HandleKeyboardMessage(WM_SCAN_KEY_SELECTED, kShiftKey.Packed(), 0);
  Pump();
  desktop.ReleaseKey(kNum5);
  Pump();
  EXPECT_TRUE(view->ShiftLatched());
  view->HandleKeyboardMessage(WM_SCAN_KEY_SELECTED, kLetterKey.Packed(), 0);
  Pump();
  EXPECT_EQ(ApplicationText(), "A");
  EXPECT_FALSE(view->ShiftLatched());
}

TEST_F(ControllerTest, TheHighlightMovingIsLoggedWithTheCauseOfTheMethod) {
  Start({{"METODO_VARRIMENTO", "Passo-a-Passo"},
         {"LATENCIA_INTERRUPTORES_VARRIMENTO", "0"},
         {"VELOCIDADE_VARRIMENTO", "1000"},
         {"TECLA_MANIPULO2", "Num6"}});
  Press(kNum5);  // starts
  Press(kNum5);  // one step
  EXPECT_EQ(LogLinesWith("SWITCH1_DOWN SCANNING_ADVANCE_LINES").size(), 1u);
  Press(kNum5 + 1);  // switch 2 selects the second line: its only group
  EXPECT_EQ(LogLinesWith("SWITCH2_DOWN LINE_SELECTION 1").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kSwitch2Activated), 1);
}

}  // namespace
}  // namespace vorelio::testing
