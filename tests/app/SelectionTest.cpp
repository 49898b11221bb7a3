// Selecting suggestions and keys: the speak-before and show-before protocol,
// what each completion writes and counts, text keys, Shift, pictograms, and
// presses that can do nothing.
#include "ControllerFixture.h"

namespace vorelio::testing {
namespace {

using Texts = std::vector<std::string>;

// The first press of a key speaks, the second on the same key completes;
// another key or a key typed in between starts over.
TEST_F(ControllerTest, HearingBeforeCompletionSpeaksOnceThenCompletesOnTheSameKey) {
  Start({{"OUVIR_ANTES_COMPLETAR", "1"}});
  TypeAndPause("com");
  Click(kWordKey1);
  Click(kWordKey2);
  Click(kWordKey1);
  EXPECT_EQ(Spoken(), (Texts{"como", "computador", "como"}));
  EXPECT_EQ(ApplicationText(), "com");
  // A key typed in between (here Shift, which writes nothing) starts over too.
  TapKey(0x10);
  Click(kWordKey1);
  EXPECT_EQ(Spoken(), (Texts{"como", "computador", "como", "como"}));
  EXPECT_EQ(ApplicationText(), "com");
  Click(kWordKey1);
  EXPECT_EQ(ApplicationText(), "como ");
  EXPECT_EQ(Spoken().size(), 4u);
  EXPECT_EQ(LogLinesWith("SYNTHESIZE_PREDICTED_WORD_FROM_LIST_BEFORE_COMPLETATION_como").size(),
            3u);
  EXPECT_EQ(LogLinesWith("PREDICTED_WORD_SELECTION_como").size(), 1u);
}

TEST_F(ControllerTest, WithBothPreviewsTheFirstPressSpeaksAndShowsTheSecondCompletes) {
  Start({{"OUVIR_ANTES_COMPLETAR", "1"},
         {"VER_ANTES_COMPLETAR", "1"},
         {"OUVIR_DEPOIS_COMPLETAR", "1"}});
  TypeAndPause("com");
  Click(kWordKey2);
  EXPECT_EQ(Spoken(), Texts{"computador"});
  EXPECT_EQ(preview.shown, Texts{"computador"});  // the word as completing leaves it
  EXPECT_TRUE(preview.visible);
  EXPECT_EQ(preview.at, desktop.PointOf(application, 3));
  EXPECT_EQ(ApplicationText(), "com");
  Click(kWordKey2);
  EXPECT_FALSE(preview.visible);
  EXPECT_EQ(ApplicationText(), "computador ");
  EXPECT_EQ(Spoken(), (Texts{"computador", "computador"}));  // and after completion
  EXPECT_EQ(LogLinesWith("SHOW_PREDICTED_WORD_FROM_LIST_BEFORE_COMPLETATION").size(), 1u);
  EXPECT_EQ(LogLinesWith("SYNTHESIZE_PREDICTED_WORD_FROM_LIST_AFTER_COMPLETATION").size(), 1u);
}

TEST_F(ControllerTest, SentenceSuggestionsCompleteTheSentenceAndCountAsSentences) {
  Start();
  Type("Bom ");
  Type("d");
  Tick(4);
  EXPECT_EQ(Suggestion(kSentenceKey1), "bom dia.");
  EXPECT_EQ(Suggestion({0, 1, 1}), "bom dia a todos");
  view->HandleKeyboardMessage(WM_KEY_PRESSED, kSentenceKey1.Packed(), 0);
  EXPECT_EQ(view->SynthesizedKeyCount(), view->Keystrokes().CountTypedKeystrokes("ia. "));
  Pump();
  EXPECT_EQ(ApplicationText(), "Bom dia. ");
  const CompletionTally tally =
      Counters().Completions(CompletedText::kSentence, CompletionSource::kSuggestionList);
  EXPECT_EQ(tally.count, 1);
  EXPECT_EQ(tally.characterSum, 5);  // "Bom d"
  // A suggestion without a terminator is a word sequence.
  Type("Bom ");
  Type("d");
  Tick(4);
  Click({0, 1, 1});
  EXPECT_EQ(ApplicationText(), "Bom dia. Bom dia a todos ");
  EXPECT_EQ(LogLinesWith("PREDICTED_WORD_SEQUENCE_SELECTION_bom_dia_a_todos").size(), 1u);
}

TEST_F(ControllerTest, NextPagesWalkTheListsAndStartAgainAfterTheLast) {
  Start();
  TypeAndPause("co");  // com, como, computador, comer on three keys
  EXPECT_EQ(Suggestion(kWordKey1), "com");
  view->ShowNextSuggestions();
  EXPECT_EQ(Suggestion(kWordKey1), "comer");
  EXPECT_EQ(Suggestion(kWordKey2), "");
  view->ShowNextSuggestions();
  EXPECT_EQ(Suggestion(kWordKey1), "com");
  EXPECT_EQ(Suggestion(kWordKey3), "computador");
  view->ShowNextSuggestions();
  Click(kWordKey2);  // past the end of the list: nothing
  EXPECT_EQ(ApplicationText(), "co");
  Click(kWordKey1);  // the fourth suggestion
  EXPECT_EQ(ApplicationText(), "comer ");
  EXPECT_EQ(
      Counters().Completions(CompletedText::kWord, CompletionSource::kSuggestionList).positionSum,
      3);
  EXPECT_EQ(Counters().Of(WritingEvent::kNextPredictionsRequest), 3);
}

TEST_F(ControllerTest, SuggestionsCanBeShownInCapitalsAndAreWrittenAsPredicted) {
  Start({{"PALAVRAS_PREDITAS_EM_MAIUSCULAS", "1"}});
  TypeAndPause("com");
  EXPECT_EQ(Suggestion(kWordKey1), "COMO");
  Click(kWordKey1);
  EXPECT_EQ(ApplicationText(), "como ");
}

TEST_F(ControllerTest, TextKeysTypeTheirTextAndShiftHoldsForTheNextKey) {
  Start();
  Click(kLetterKey);
  EXPECT_EQ(ApplicationText(), "a");
  EXPECT_EQ(LogLinesWith("LEFT_MOUSE_DOWN_KEY TEXT_KEY_SELECTION_a 1.0.0").size(), 1u);
  Click(kShiftKey);
  EXPECT_TRUE(view->ShiftLatched());
  EXPECT_TRUE(view->Keyboard().Key(kShiftKey)->HasMarker());
  Click(kLetterKey);
  EXPECT_EQ(ApplicationText(), "aA");
  EXPECT_FALSE(view->ShiftLatched());
  EXPECT_FALSE(view->Keyboard().Key(kShiftKey)->HasMarker());
  Click(kLetterKey);
  EXPECT_EQ(ApplicationText(), "aAa");
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);
  EXPECT_EQ(LogLinesWith(" KEY ").size(), 0u);  // every key was the program's
}

TEST_F(ControllerTest, KeysWithActionsGoToTheirHandlerAndLinkedKeyboardsOpen) {
  Start();
  RecordingKeyActions keyActions;
  view->SetKeyActionHandler(&keyActions);
  Click(kLinkKey);
  Click(kSequenceKey);
  EXPECT_EQ(keyActions.runs, (Texts{"Frases | LEFT_MOUSE_DOWN_KEY | 1.0.3",
                                    "Ctrl+c | LEFT_MOUSE_DOWN_KEY | 1.0.4"}));
  // What the commands' executor asks for a keyboard link.
  EXPECT_TRUE(view->OpenKeyboard("Frases"));
  EXPECT_EQ(view->Keyboard().OutputOfKey({0, 0, 0}), "Teste.tec");
  EXPECT_EQ(view->Options().keyboardName, "Frases");
  EXPECT_EQ(Counters().Of(WritingEvent::kKeyboardChangedThroughKeyboard), 1);
  Type("x");
  EXPECT_EQ(LogLinesWith("CHAR_x CHAR  -  - Frases").size(), 1u);  // the new page
  // A keyboard that does not exist leaves the one in use, and says so.
  EXPECT_FALSE(view->OpenKeyboard("Nenhures"));
  EXPECT_EQ(view->Keyboard().OutputOfKey({0, 0, 0}), "Teste.tec");
  EXPECT_EQ(messages.messages, Texts{"N\xe3o foi poss\xedvel abrir o teclado Nenhures."});
}

TEST_F(ControllerTest, PressesThatCanDoNothingDoNothing) {
  Start();
  view->SetKeyActionHandler(nullptr);
  Click(kLinkKey);  // no executor: the action is not carried out
  view->HandleKeyboardMessage(WM_KEY_PRESSED, kInactiveKey.Packed(), 0);
  view->HandleKeyboardMessage(WM_KEY_PRESSED, COnScreenKeyIdentifier{7, 3, 9}.Packed(), 0);
  view->HandleKeyboardMessage(WM_KEY_PRESSED, kLetterKey.Packed(), 1);  // right button
  Pump();
  EXPECT_EQ(ApplicationText(), "");
  EXPECT_EQ(view->Keyboard().OutputOfKey(kLinkKey), "Frases.TEC");  // no link followed
  EXPECT_EQ(Counters().Of(WritingEvent::kOnScreenKeyPressed), 4);   // counted, as presses

  // No target: a suggestion is not written, the lists empty with the next
  // cycle, and text keys still type into what is in front.
  TypeAndPause("com");
  desktop.Focus(0);
  view->FocusChanged();
  Tick(6);
  EXPECT_EQ(view->Target(), nullptr);
  EXPECT_EQ(Suggestion(kWordKey1), "como");
  Click(kWordKey1);
  view->RunPredictionCycle();
  EXPECT_EQ(Suggestion(kWordKey1), "");
  EXPECT_EQ(ApplicationText(), "com");
  EXPECT_EQ(LogLinesWith("PREDICTED_WORD_SELECTION").size(), 0u);
}

TEST_F(ControllerTest, HoveringSpeaksTheSuggestionOrTheKeysDescription) {
  Start();
  TypeAndPause("com");
  view->HandleKeyboardMessage(WM_KEY_HOVER, kWordKey2.Packed(), 0);
  view->HandleKeyboardMessage(WM_KEY_HOVER, kLetterKey.Packed(), 0);
  view->HandleKeyboardMessage(WM_KEY_HOVER, kSentenceKey1.Packed(), 0);  // empty: nothing
  EXPECT_EQ(Spoken(), (Texts{"computador", "letra a"}));
}

TEST_F(ControllerTest, PictogramsWriteTheirWordsOnlyWhereTheProfileAsks) {
  Start();
  TypeAndPause("p");
  EXPECT_EQ(Suggestion(kPictogramKey), "CAT_IMG_Comida\\p\xE3o.bmp");
  // A foreign application cannot show the pictogram: nothing is written,
  // and the letter typed stays.
  Click(kPictogramKey);
  EXPECT_EQ(ApplicationText(), "p");
  EXPECT_EQ(LogLinesWith("PREDICTED_IMAGE_SELECTION_[p\xE3o]").size(), 1u);
  EXPECT_EQ(Counters().PredictedPictograms(PictogramKind::kSingle).count, 1);
  EXPECT_EQ(Counters().Of(WritingEvent::kSinglePictogramWritten), 0);
}

TEST_F(ControllerTest, PictogramsReplaceWhatWasTypedWithTheirWordsWhenTheyWriteText) {
  Start({{"SAIDA_TEXTO_FRASES_TRADUZIDAS_SIMBOLOS", "1"}});
  TypeAndPause("p");
  Click(kPictogramKey);
  EXPECT_EQ(ApplicationText(), "p\xE3o ");
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);
  EXPECT_EQ(Counters().Of(WritingEvent::kSinglePictogramWritten), 1);
  Type("p");
  Click(kBreadKey);  // the pictogram key of the keyboard
  EXPECT_EQ(ApplicationText(), "p\xE3o p\xE3o ");
  EXPECT_EQ(LogLinesWith("LEFT_MOUSE_DOWN_KEY IMAGE_KEY_SELECTION_p\xE3o 1.0.6").size(), 1u);
  EXPECT_EQ(Counters().Of(WritingEvent::kSinglePictogramSelected), 1);
}

TEST_F(ControllerTest, KeysTypedWhileLoggingIsOffStillComeBackAsTheProgramsOwn) {
  Start({{"REGISTAR_EVENTOS", "0"}});
  TypeAndPause("com");
  Click(kWordKey2);
  EXPECT_EQ(ApplicationText(), "computador ");
  EXPECT_EQ(view->SynthesizedKeyCount(), 0);
  EXPECT_EQ(LogLines(), Texts{});
}

}  // namespace
}  // namespace vorelio::testing
