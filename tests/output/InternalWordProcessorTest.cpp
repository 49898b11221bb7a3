#include "output/InternalWordProcessor.h"

#include <gtest/gtest.h>

#include <string>

#include "output/Keyboard.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"
#include "RecordingOwner.h"
#include "testsupport/SimMessageTextBox.h"

namespace vorelio {
namespace {

// A 2 x 1 picture: the box only needs a picture that is not empty.
PictogramPicture Picture() { return {2, 1, {0x0000FF, 0x00FF00}}; }

// The editor over a simulated box; the keyboard types into the box, so
// completions come back as the box's own key and character events.
class InternalWordProcessorTest : public ::testing::Test {
 protected:
  InternalWordProcessorTest() : owner(loop.CreateWindow(recorder)), keyboard(box), editor(box) {
    EXPECT_TRUE(editor.Attach(owner, 0, keyboard));
  }

  // What reached the owner since the last call.
  std::string Relayed() {
    loop.DispatchPending();
    return recorder.Take();
  }
  // The characters relayed since the last call, "|" for each word end.
  std::string RelayedCharacters() {
    loop.DispatchPending();
    std::string characters = recorder.characters;
    recorder.Take();
    return characters;
  }
  void Type(std::string_view text) { keyboard.TypeText(text); }
  void AddPictogram(std::string_view words, std::string_view alternative = {}) {
    ASSERT_TRUE(editor.AddPictogram(Picture(), words, alternative));
  }

  ManualLoopClock clock;
  MessageLoop loop{clock};
  testing::RecordingOwner recorder;
  WindowHandle owner;
  sim::SimMessageTextBox box;
  CKeyboard keyboard;
  CInternalWordProcessor editor;
};

TEST_F(InternalWordProcessorTest, CompletingAWordTypesWhatThePrefixLacks) {
  // Matched ignoring case: only the missing part and a space are typed.
  box.SetText("Cas", 3);
  editor.CompleteWord("casa");
  EXPECT_EQ(box.Text(), "Casa ");
  EXPECT_EQ(RelayedCharacters(), "a |");

  // A prefix the suggestion does not continue is erased first.
  box.SetText("o xa", 4);
  editor.CompleteWord("casa");
  EXPECT_EQ(box.Text(), "o casa ");
  EXPECT_EQ(RelayedCharacters(), "casa |");

  // No prefix: the whole suggestion.
  box.SetText("o ", 2);
  editor.CompleteWord("Lisboa");
  EXPECT_EQ(box.Text(), "o Lisboa ");
}

TEST_F(InternalWordProcessorTest, WordPreviewShowsWhatCompletingWouldLeave) {
  box.SetText("o xa", 4);
  EXPECT_EQ(editor.GetWordPreview("casa"), "casa");
  box.SetText("o ca", 4);
  EXPECT_EQ(editor.GetWordPreview("casa"), "casa");
  box.SetCapsLock(true);
  EXPECT_EQ(editor.GetWordPreview("casa"), "caSA");
}

TEST_F(InternalWordProcessorTest, CompletingASentenceTypesItsMissingPart) {
  box.SetText("Ontem. \n quero", 14);
  editor.CompleteSentence("Quero \xE1gua");
  EXPECT_EQ(box.Text(), "Ontem. \n quero \xE1gua ");
  EXPECT_EQ(editor.GetSentencePreview("Quero \xE1gua fresca"), "quero \xE1gua fresca");
}

TEST_F(InternalWordProcessorTest, ErasingSelectsAndClearsWithoutKeys) {
  box.SetText("Boa tarde. Eu quer", 18);
  editor.EraseCurrentWord();
  EXPECT_EQ(box.Text(), "Boa tarde. Eu ");
  editor.EraseSentenceBeforeCaret();
  EXPECT_EQ(box.Text(), "Boa tarde.");
  EXPECT_EQ(Relayed(), "");
}

// The queries read the box's text around its caret, the selection's end.
TEST_F(InternalWordProcessorTest, QueriesReadTheTextAroundTheCaret) {
  box.SetText("Ola. casa ve", 12);
  EXPECT_EQ(editor.GetLastWord(), "casa");
  EXPECT_EQ(editor.GetContextLastSentence(), "Ola.");
  box.Select(5, 9);
  EXPECT_EQ(editor.GetCurrentWordPrefix(), "casa");
  EXPECT_EQ(editor.GetContextSentenceAfterCaret(), " ve");
}

TEST_F(InternalWordProcessorTest, ASpecialKeyReachesTheOwnerButNotTheText) {
  box.SetText("ab", 2);
  editor.AddSpecialKeys('X', 'Z');
  Type("y");
  EXPECT_EQ(box.Text(), "ab");
  EXPECT_EQ(Relayed(), "down 89 (1); up 89 (-1073741823)");

  editor.DeleteSpecialKeys('X', 'Z');
  Type("y");
  EXPECT_EQ(box.Text(), "aby");
  EXPECT_EQ(RelayedCharacters(), "y");
}

TEST_F(InternalWordProcessorTest, WordAndSentenceEndsFollowTheTypedCharacters) {
  Type("fim.");
  loop.DispatchPending();
  EXPECT_EQ(recorder.characters, "fim.|");
  EXPECT_NE(recorder.Take().find("char . (1); word end; sentence end; up 190"), std::string::npos);
  // A further full stop ends one more sentence and no word.
  Type(".");
  EXPECT_EQ(Relayed(), "down 190 (1); char . (1); sentence end; up 190 (-1073741823)");
  // Backspace is relayed but ends nothing, and the word after it ends once.
  Type("a\b ");
  EXPECT_EQ(RelayedCharacters(), "a\b ");
}

TEST_F(InternalWordProcessorTest, MouseMovesAreRelayedOnlyWhenThePointChanges) {
  box.MoveMouse({10, 20});
  box.MoveMouse({10, 20});
  box.MoveMouse({11, 20});
  box.Click(MouseButton::kLeft, {11, 20});
  box.Click(MouseButton::kMiddle, {11, 20});
  EXPECT_EQ(Relayed(),
            "move 1310730; move 1310731; left down; left up; message 32773; middle up");
}

TEST_F(InternalWordProcessorTest, NothingIsRelayedOrTypedWhileDetached) {
  editor.Detach();
  box.SetText("ca", 2);
  Type("s");
  box.MoveMouse({1, 1});
  editor.CompleteWord("casa");
  EXPECT_EQ(box.Text(), "cas");
  EXPECT_EQ(Relayed(), "");
  EXPECT_EQ(editor.GetTargetWindow(), 0u);
  EXPECT_FALSE(editor.Attach(0, 0, keyboard));
  // Attached again, the target window is the box unless one is given.
  ASSERT_TRUE(editor.Attach(owner, 0, keyboard));
  EXPECT_EQ(editor.GetTargetWindow(), sim::SimMessageTextBox::kWindow);
  ASSERT_TRUE(editor.Attach(owner, 77, keyboard));
  EXPECT_EQ(editor.GetTargetWindow(), 77u);
}

TEST_F(InternalWordProcessorTest, APictogramReadsAsABlankInTheQueries) {
  Type("quero");
  AddPictogram("\xE1gua");
  EXPECT_EQ(box.Text(), "quero\x1A");
  EXPECT_EQ(editor.GetCurrentWordPrefix(), "");
  EXPECT_EQ(editor.GetLastWord(), "quero");
  EXPECT_FALSE(editor.IsCaretTouchingWord());
  Type("fr");
  EXPECT_EQ(editor.GetCurrentWordPrefix(), "fr");
  EXPECT_TRUE(editor.IsCaretTouchingWord());
}

TEST_F(InternalWordProcessorTest, PictogramQueriesFollowTheCaret) {
  Type("Eu ");
  EXPECT_FALSE(editor.IsCaretAfterPictogram());
  AddPictogram("bom dia", "BOM-DIA");
  EXPECT_TRUE(editor.IsCaretAtPictogram());
  EXPECT_EQ(editor.GetPictogramWordsAtCaret(), "bom dia");
  EXPECT_EQ(editor.GetPictogramFallbackText(), "BOM-DIA");

  Type(" ,");
  EXPECT_FALSE(editor.IsCaretAtPictogram());
  EXPECT_TRUE(editor.IsCaretAfterPictogram());
  EXPECT_EQ(editor.GetPictogramWordsAtCaret(), "");
  Type("a");
  EXPECT_FALSE(editor.IsCaretAfterPictogram());

  // The caret just before a pictogram is at it too.
  box.Select(3, 3);
  EXPECT_TRUE(editor.IsCaretAtPictogram());
  EXPECT_EQ(editor.GetPictogramWordsAtCaret(), "bom dia");
}

TEST_F(InternalWordProcessorTest, SentencePictogramTextsListTheCurrentSentenceOnly) {
  AddPictogram("ol\xE1");
  Type(". ");
  AddPictogram("eu");
  AddPictogram("", "COMER");
  AddPictogram("");
  Type(" sopa");
  EXPECT_EQ(editor.GetSentencePictogramTexts(), "eu COMER");
}

TEST_F(InternalWordProcessorTest, TheWholeTextHasEachPictogramsWords) {
  AddPictogram("bom dia", "(bom dia)");
  Type(" amigo");
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "bom dia amigo");
  EXPECT_EQ(editor.GetTextWithPictogramAlternatives(), "(bom dia) amigo");

  // Pictograms side by side, or against a word, do not run together.
  AddPictogram("feliz");
  AddPictogram("natal");
  Type("x");
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "bom dia amigo feliz natal x");
}

TEST_F(InternalWordProcessorTest, DeletingAPictogramKeepsTheOthersWithTheirWords) {
  AddPictogram("eu", "EU");
  AddPictogram("quero", "QUERO");
  AddPictogram("\xE1gua", "\xC1GUA");
  box.Select(1, 2);
  box.ClearSelection();
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "eu \xE1gua");
  EXPECT_EQ(editor.GetTextWithPictogramAlternatives(), "EU \xC1GUA");
  box.Select(2, 2);
  EXPECT_EQ(editor.GetPictogramWordsAtCaret(), "\xE1gua");

  // Backspace deletes one too, and a new one takes its own words.
  Type("\b");
  AddPictogram("p\xE3o");
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "eu p\xE3o");
}

TEST_F(InternalWordProcessorTest, APictogramReplacesTheSelection) {
  Type("um dois");
  box.Select(3, 7);
  AddPictogram("tr\xEAs");
  EXPECT_EQ(box.Text(), "um \x1A");
  EXPECT_EQ(box.Selection(), (TextSelection{4, 4}));
  EXPECT_FALSE(editor.AddPictogram(PictogramPicture{}, "nada", ""));
  EXPECT_EQ(box.Text(), "um \x1A");
}

TEST_F(InternalWordProcessorTest, DeleteCurrentWordTakesThePictogramBeforeTheCaret) {
  Type("sim ");
  AddPictogram("casa");
  box.Select(2, 5);  // the selection is reduced to the caret first
  editor.DeleteCurrentWord();
  EXPECT_EQ(box.Text(), "sim ");
  editor.DeleteCurrentWord();  // nothing: the caret follows a separator
  EXPECT_EQ(box.Text(), "sim ");
  Type("Boa. Eu ");
  AddPictogram("ir");
  Type(" pra");
  editor.DeleteCurrentWord();
  EXPECT_EQ(box.Text(), "sim Boa. Eu \x1A ");
  editor.DeleteSentenceBeforeCaret();
  EXPECT_EQ(box.Text(), "sim Boa.");
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "sim Boa.");
}

TEST_F(InternalWordProcessorTest, ClearTextEmptiesTheEditorAndForgetsThePictograms) {
  AddPictogram("eu");
  Type(" sou");
  editor.ClearText();
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "");
  EXPECT_EQ(editor.GetCurrentSentence(), "");
  AddPictogram("tu");
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "tu");
}

TEST_F(InternalWordProcessorTest, InsertPictogramReadsTheFileAndAppendsIt) {
  box.AddPictureFile("CAT_IMG_Comida\\p\xE3o.bmp", Picture());
  Type("p\xE3o");
  box.Select(0, 0);
  EXPECT_FALSE(editor.InsertPictogram("CAT_IMG_Comida\\nada.bmp"));
  EXPECT_EQ(box.Text(), "p\xE3o");
  EXPECT_TRUE(editor.InsertPictogram("CAT_IMG_Comida\\p\xE3o.bmp"));
  EXPECT_EQ(box.Text(), "p\xE3o\x1A");
  EXPECT_EQ(box.Selection(), (TextSelection{4, 4}));
  ASSERT_NE(box.PictureAt(3), nullptr);
  EXPECT_EQ(box.PictureAt(3)->pixels, Picture().pixels);
  EXPECT_EQ(editor.GetTextWithPictogramWords(), "p\xE3o");
}

TEST_F(InternalWordProcessorTest, ThePointerLeavesAnAreaForTheFirstPointOfTheBoxOutsideIt) {
  editor.SetEditorWidth(100);
  editor.SetEditorHeight(50);
  editor.MoveEditor(10, 10);
  box.MovePointer({20, 20});
  EXPECT_TRUE(editor.IsMouseOverTarget());
  editor.MoveMouseOutOf({0, 0, 200, 40});
  EXPECT_EQ(box.PointerPosition(), (ScreenPoint{10, 40}));
  EXPECT_TRUE(editor.IsMouseOverTarget());
  editor.MoveMouseOutOf({0, 0, 200, 100});  // the whole box is inside
  EXPECT_EQ(box.PointerPosition(), (ScreenPoint{10, 40}));
}

}  // namespace
}  // namespace vorelio
