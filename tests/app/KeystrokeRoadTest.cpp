// The road of one keystroke, end to end: keys typed in a foreign
// application reach the controller through the hook library and the generic
// target, suggestions appear on the on-screen keys after the prediction
// delay, and a suggestion key completes the word in the application.
#include "ControllerFixture.h"

namespace vorelio::testing {
namespace {

TEST_F(ControllerTest, ASuggestionKeyCompletesTheWordTypedInTheApplication) {
  Start();
  Type("c");
  Type("o");
  Type("m");
  Tick(4);
  // The three word keys show the best words for "com", in rank order.
  EXPECT_EQ(Suggestion(kWordKey1), "como");
  EXPECT_EQ(Suggestion(kWordKey2), "computador");
  EXPECT_EQ(Suggestion(kWordKey3), "comer");

  // The press is handled before the hook's reports of the completion: the
  // keys it sends are expected back as the program's own.
  view->HandleKeyboardMessage(WM_KEY_PRESSED, kWordKey2.Packed(), 0);
  EXPECT_EQ(view->SynthesizedKeyCount(), view->Keystrokes().CountTextKeystrokes("putador") + 1);
  const WritingCounters before = Counters();
  Pump();
  EXPECT_EQ(ApplicationText(), "computador ");
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);  // every key came back
  EXPECT_EQ(Counters().systemKeys - before.systemKeys, 8);
  EXPECT_EQ(Counters().userKeys, before.userKeys);
  // The space ended the word, which was learnt with the start of the text.
  EXPECT_EQ(UserWordFrequency("computador"), 1);
  EXPECT_EQ(view->Dictionary()->UserSuccessorFrequency("___", "computador"), 1);
  // After the pause the keys show what follows; nothing follows here.
  Tick(4);
  EXPECT_EQ(Suggestion(kWordKey1), "");

  const std::vector<std::string> log = LogLines();
  const auto has = [&log](std::string_view line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  };
  EXPECT_TRUE(has("\"\" KEY_DOWN_C KEY  -  - Teste \"\""));
  // CONTEXT is the sentence as the target knew it when the key was handled.
  EXPECT_TRUE(has("\"c\" CHAR_c CHAR  -  - Teste \"c\""));
  EXPECT_TRUE(has("\"o\" CHAR_o CHAR  -  - Teste \"co\""));
  EXPECT_TRUE(
      has("\"\" LEFT_MOUSE_DOWN_KEY PREDICTED_WORD_SELECTION_computador 0.0.1 10.20 "
          "Teste \"com\""));
  EXPECT_TRUE(has("\"\" KEY_DOWN_P AUTO_KEY  -  - Teste \"com\""));
  EXPECT_TRUE(has("\"\" NEW_WORD WORD_computador  -  - Teste \"computador\""));
  EXPECT_EQ(LogLinesWith("AUTO_KEY").size(), 8u);  // "putador" and the space
  const CompletionTally tally =
      Counters().Completions(CompletedText::kWord, CompletionSource::kSuggestionList);
  EXPECT_EQ(tally.count, 1);
  EXPECT_EQ(tally.positionSum, 1);   // the second suggestion
  EXPECT_EQ(tally.characterSum, 3);  // "com" was typed
  EXPECT_EQ(messages.messages, std::vector<std::string>{});
}

TEST_F(ControllerTest, ThePredictionDelayOf300MsRunsOneCycleOnTheFourthTick) {
  Start();
  Tick(10);  // the cycle of the start is over
  const int64_t cycles = view->PredictionCycles();
  Type("c");
  Tick(3);
  EXPECT_EQ(view->PredictionCycles(), cycles);
  Tick(1);
  EXPECT_EQ(view->PredictionCycles(), cycles + 1);
  Tick(10);
  EXPECT_EQ(view->PredictionCycles(), cycles + 1);

  // A key before the fourth tick starts the wait again.
  Type("o");
  Tick(3);
  Type("m");
  Tick(3);
  EXPECT_EQ(view->PredictionCycles(), cycles + 1);
  Tick(1);
  EXPECT_EQ(view->PredictionCycles(), cycles + 2);
  EXPECT_EQ(Suggestion(kWordKey1), "como");
}

TEST_F(ControllerTest, PhysicalPredictionKeysSelectTheSuggestionsOfTheirKeys) {
  Start();
  TypeAndPause("com");
  TapKey(kF1 + 1);  // the second prediction key: swallowed, then completes
  EXPECT_EQ(ApplicationText(), "computador ");
  EXPECT_EQ(LogLinesWith("KEY_DOWN_F2 PREDICTED_WORD_SELECTION_computador 0.0.1").size(), 1u);

  // F4 is the first sentence key.
  TypeAndPause(". Bom d");
  EXPECT_EQ(Suggestion(kSentenceKey1), "bom dia.");
  TapKey(kF1 + 3);
  EXPECT_EQ(ApplicationText(), "computador . Bom dia. ");
  EXPECT_EQ(LogLinesWith("KEY_DOWN_F4 PREDICTED_SENTENCE_SELECTION_bom_dia.").size(), 1u);
  // F6 addresses the pictogram key, neither a word nor a sentence key: it
  // is handled as an ordinary key (still swallowed, as every prediction key).
  const int64_t cycles = view->PredictionCycles();
  TapKey(kF1 + 5);
  EXPECT_EQ(LogLinesWith("KEY_DOWN_F6 KEY ").size(), 1u);
  Tick(4);
  EXPECT_EQ(view->PredictionCycles(), cycles + 1);
  EXPECT_EQ(ApplicationText(), "computador . Bom dia. ");
}

TEST_F(ControllerTest, WordEndsAreLearntWithTheWordBeforeOrTheStartOfText) {
  Start();
  Type("bom ");
  Type("dia ");
  EXPECT_EQ(view->Dictionary()->UserSuccessorFrequency("___", "bom"), 1);
  EXPECT_EQ(view->Dictionary()->UserSuccessorFrequency("bom", "dia"), 1);
  EXPECT_EQ(UserWordFrequency("___"), 1);
  // A click starts the target's text again: "sim" has no word before it
  // there, so it is learnt after the start of text and after "dia", the
  // last word learnt.
  desktop.Click(application, 0);
  Pump();
  Type("ol\xE1 ");
  EXPECT_EQ(view->Dictionary()->UserSuccessorFrequency("___", "ol\xE1"), 1);
  EXPECT_EQ(view->Dictionary()->UserSuccessorFrequency("dia", "ol\xE1"), 1);
  EXPECT_EQ(UserWordFrequency("___"), 2);
  EXPECT_EQ(LogLinesWith("NEW_WORD").size(), 3u);
}

TEST_F(ControllerTest, SentenceEndsAreLearntLoggedAndSpoken) {
  Start({{"OUVIR_FRASES", "1"}, {"OUVIR_PALAVRAS", "1"}});
  Type("Bom ");
  Type("dia.");
  EXPECT_EQ(Spoken(), (std::vector<std::string>{"Bom", "dia", "Bom dia."}));
  EXPECT_EQ(view->Dictionary()->FindSentence("bom dia.")->userFrequency, 1);
  EXPECT_EQ(LogLinesWith("NEW_SENTENCE SENTENCE_Bom_dia.").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kSentenceWritten), 1);
}

TEST_F(ControllerTest, BackspaceIsLoggedAsItsCharacterAndCountedAsADeletionOnRelease) {
  Start();
  Type("ab");
  desktop.PressKey(kBackspace);
  Pump();
  EXPECT_EQ(LogLinesWith("CHAR_RETROCESSO").front(),
            "\"\\b\" CHAR_RETROCESSO CHAR  -  - Teste \"a\"");
  EXPECT_EQ(Counters().Of(WritingEvent::kCharacterOrPictogramDeleted), 0);
  desktop.ReleaseKey(kBackspace);
  Pump();
  EXPECT_EQ(Counters().Of(WritingEvent::kCharacterOrPictogramDeleted), 1);
  EXPECT_EQ(ApplicationText(), "a");
}

}  // namespace
}  // namespace vorelio::testing
