#include "logging/EventCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace vorelio {
namespace {

LogEvent Expected(std::string event, std::string type, std::string element = {},
                  std::string center = {}, std::string output = {}) {
  return {std::move(output), std::move(event), std::move(type), std::move(element),
          std::move(center)};
}

TEST(EventCatalogueTest, EveryActionHasAWordOfItsOwn) {
  std::set<std::string_view> words;
  for (int i = 0; i < static_cast<int>(KeyAction::kCount); ++i) {
    const std::string_view word = WordOf(static_cast<KeyAction>(i));
    EXPECT_TRUE(words.insert(word).second) << word;
    EXPECT_EQ(word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_"), std::string_view::npos)
        << word;
  }
}

TEST(EventCatalogueTest, DetailsFollowTheirNameAsOneToken) {
  EXPECT_EQ(NameWithDetail("SYNTHESIZE_SENTENCE_", " bom dia\tcomo\nvai? "),
            "SYNTHESIZE_SENTENCE_bom_dia_como_vai?");
  EXPECT_EQ(NameWithDetail("TEXT_KEY_SELECTION", "2.1.5 TECLA_NORMAL"),
            "TEXT_KEY_SELECTION_2.1.5_TECLA_NORMAL");
  EXPECT_EQ(NameWithDetail("TEXT_KEY_SELECTION", "  "), "TEXT_KEY_SELECTION");
  EXPECT_EQ(NameWithDetail("WORD_", "100%"), "WORD_100%");
}

TEST(EventCatalogueTest, EachFamilyFillsItsFields) {
  const KeyPlace key{.element = "1.0.3", .centerX = 640, .centerY = 700};
  const std::vector<std::pair<LogEvent, LogEvent>> cases = {
      {KeyDown("KEY_DOWN_NUM_5", false), Expected("KEY_DOWN_NUM_5", "KEY")},
      {KeyDown("KEY_DOWN_A", true), Expected("KEY_DOWN_A", "AUTO_KEY")},
      {RawKeyDown("KEY_DOWN_F5"), Expected("KEY_DOWN_F5", "RAW_KEY_DOWN")},
      {KeyDownAction("KEY_DOWN_F9", KeyAction::kSpeakWord, "casa"),
       Expected("KEY_DOWN_F9", "SYNTHESIZE_WORD_casa")},
      {KeyDownAction("KEY_DOWN_F2", KeyAction::kPredictedSentenceSelection, {}, key),
       Expected("KEY_DOWN_F2", "PREDICTED_SENTENCE_SELECTION", "1.0.3", "640.700")},
      {RawMouseButtonDown(MouseButton::kMiddle),
       Expected("MID_MOUSE_BUTTON_DOWN", "RAW_MID_MOUSE_BUTTON_DOWN")},
      {OnScreenKeyClick(KeyAction::kCommandSpeakAllText, "Bom dia", key),
       Expected("LEFT_MOUSE_DOWN_KEY", "COMMAND_EXECUTION_SYNTHESIZE_ALL_Bom_dia", "1.0.3",
                "640.700")},
      {ScanningStarted(LoggedScanLevel::kGroups), Expected("SWITCH1_DOWN", "START_SCANNING_GROUPS")},
      {ScanningAdvanced(SwitchCause::kAutoTimer, LoggedScanLevel::kKeys),
       Expected("AUTO_TIMER", "SCANNING_ADVANCE_KEYS")},
      {ScanningLineSelected(SwitchCause::kSwitch1Up, 3),
       Expected("SWITCH1_UP", "LINE_SELECTION", "3")},
      {ScanningGroupSelected(SwitchCause::kSwitch2Down, "3.1"),
       Expected("SWITCH2_DOWN", "GROUP_SELECTION", "3.1")},
      {ScanningKeySelected(SwitchCause::kSwitch2Down, KeyAction::kPredictedImageSelection,
                           "TECLA_PREDICAO_IMAGEM", key),
       Expected("SWITCH2_DOWN", "PREDICTED_IMAGE_SELECTION_TECLA_PREDICAO_IMAGEM", "1.0.3",
                "640.700")},
      {OnScreenKeyAction(KeyTrigger::LeftMouse(), KeyAction::kKeySequenceExecution, "Ctrl+c",
                         key),
       Expected("LEFT_MOUSE_DOWN_KEY", "KEY_SEQUENCE_EXECUTION_Ctrl+c", "1.0.3", "640.700")},
      {OnScreenKeyAction(KeyTrigger::Scanning(SwitchCause::kSwitch1Up),
                         KeyAction::kCommandDeleteWord, {}, key),
       Expected("SWITCH1_UP", "COMMAND_EXECUTION_DELETE_WORD", "1.0.3", "640.700")},
      {NewWord("p\xE3o"), Expected("NEW_WORD", "WORD_p\xE3o")},
      {NewSentence(" Vamos  embora. "), Expected("NEW_SENTENCE", "SENTENCE_Vamos__embora.")},
      {ContextAdaptation(ContextDecision::kGpsCandidate, "escola"),
       Expected("CONTEXT_ADAPTATION", "GPS_ADAPTATION_CANDIDATE_escola")},
      {ContextAdaptation(ContextDecision::kKeepProfile, "casa"),
       Expected("CONTEXT_ADAPTATION", "CONTEXT_ADAPTATION_KEEP_PROFILE_casa")},
      {MenuOption(MenuAction::kUserProfileOptionsClosed),
       Expected("MENU_OPTION_SELECTION", "USER_PROFILE_OPTIONS_DIALOG_CLOSED")},
      {MenuOption(MenuAction::kUserProfileLoad, "Ana"),
       Expected("MENU_OPTION_SELECTION", "USER_PROFILE_LOAD_Ana")},
      {WordProcessorChange(WordProcessor::kMicrosoftWord),
       Expected("WORD_PROCESSOR_CHANGE", "MICROSOFT_WORD_PROCESSOR")},
      {WordProcessorChange(WordProcessor::kExternal, "Editor de texto"),
       Expected("WORD_PROCESSOR_CHANGE", "Editor_de_texto")},
      // Characters carry the text they wrote, control ones escaped.
      {CharacterTyped('\xE7'), Expected("CHAR_\xE7", "CHAR", {}, {}, "\xE7")},
      {CharacterTyped('%'), Expected("CHAR_%", "CHAR", {}, {}, "%")},
      {CharacterTyped(' '), Expected("CHAR_ESPA\xC7O", "CHAR", {}, {}, " ")},
      {CharacterTyped('\r'), Expected("CHAR_ENTER", "CHAR", {}, {}, "\\n")},
      {CharacterTyped('\t'), Expected("CHAR_TAB", "CHAR", {}, {}, "\\t")},
      {CharacterTyped('\b'), Expected("CHAR_RETROCESSO", "CHAR", {}, {}, "\\b")},
      // Hints of cooperative communication: list position, key, text.
      {CooperativeHint(HintKind::kWord, 0, 0, "casa"),
       Expected("COOPERATIVE_COMMUNICATION_SEND", "WORD_HINT_0_0_casa")},
      {CooperativeHint(HintKind::kSentence, 2, 1, "eu quero ir"),
       Expected("COOPERATIVE_COMMUNICATION_SEND", "SENTENCE_HINT_2_1_eu_quero_ir")},
      {CooperativeHint(HintKind::kMultipleImage, 0, 3, "[eu] [comer]"),
       Expected("COOPERATIVE_COMMUNICATION_SEND", "MULTIPLE_IMAGE_HINT_0_3_[eu]_[comer]")},
  };
  for (const auto& [made, expected] : cases) EXPECT_EQ(made, expected) << expected.type;
}

}  // namespace
}  // namespace vorelio
