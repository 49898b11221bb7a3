// The speech options page's voice list and the exceptions dialog: its
// list, its field, its messages and what reaches the file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/sim/MemoryFileSystem.h"
#include "speech/SpeechExceptionsEditor.h"
#include "speech/sim/RecordingSpeechEngine.h"

namespace vorelio::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kVoice = "Portuguese (Portugal)";
constexpr const char* kFile = "/dados/Portuguese (Portugal)_text_exceptions.txt";
constexpr const char* kNoVoice = "N\xe3o se encontra selecionado um sintetizador de fala!";

class SpeechExceptionsEditorTest : public ::testing::Test {
 protected:
  SpeechExceptionsEditorTest() { files_.AddFile(kFile, "Sr.:Senhor\nkm:quil\xf3metros\n"); }

  std::unique_ptr<SpeechExceptionsEditor> Open(std::string_view voice) {
    return SpeechExceptionsEditor::Open(engine_, files_, "/dados", messages_, voice);
  }

  MemoryFileSystem files_;
  RecordingSpeechEngine engine_{{kVoice, "Portuguese (Brazil)"}};
  RecordingMessageBox messages_;
};

TEST_F(SpeechExceptionsEditorTest, ThePageListsTheVoicesThenNenhum) {
  EXPECT_EQ(VoiceChoices(engine_), (Lines{kVoice, "Portuguese (Brazil)", "Nenhum"}));
}

TEST_F(SpeechExceptionsEditorTest, OpensOnlyForAVoiceThatCanBeSelected) {
  EXPECT_EQ(Open("Nenhum"), nullptr);
  EXPECT_EQ(Open("Microsoft Helia"), nullptr);
  engine_.FailCreatingVoices(true);
  EXPECT_EQ(Open(kVoice), nullptr);
  EXPECT_EQ(messages_.messages, (Lines{kNoVoice, kNoVoice, kNoVoice}));
  EXPECT_EQ(engine_.LiveVoices(), 0);

  engine_.FailCreatingVoices(false);
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Lines(), (Lines{"Sr.:Senhor", "km:quil\xf3metros"}));
  EXPECT_FALSE(editor->Selection());
}

TEST_F(SpeechExceptionsEditorTest, NovaAddsAnEmptyReplacementAndSavesAtOnce) {
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->Add("Dr."));
  EXPECT_EQ(editor->Lines(), (Lines{"Dr.:", "Sr.:Senhor", "km:quil\xf3metros"}));
  EXPECT_EQ(editor->Selection(), 0u);
  EXPECT_EQ(editor->ReplacementField(), "");
  EXPECT_EQ(files_.ReadFile(kFile), "Dr.:\nSr.:Senhor\nkm:quil\xf3metros\n");
  // The new exception is there when the dialog is opened again.
  EXPECT_EQ(Open(kVoice)->Lines().front(), "Dr.:");
  EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(SpeechExceptionsEditorTest, NovaRefusesAnEmptyTextATextTwiceAndAColon) {
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->Add(""));
  EXPECT_FALSE(editor->Add("km"));
  EXPECT_EQ(editor->Selection(), 1u);  // the line that has it
  EXPECT_EQ(editor->ReplacementField(), "quil\xf3metros");
  EXPECT_FALSE(editor->Add("10:30"));
  ASSERT_EQ(messages_.messages.size(), 3u);
  EXPECT_EQ(messages_.messages[0], "Texto vazio!");
  EXPECT_EQ(messages_.messages[1], "J\xe1 existe essa excep\xe7\xe3o!");
  EXPECT_NE(messages_.messages[2].find("\":\""), std::string::npos) << messages_.messages[2];
  EXPECT_EQ(files_.ReadFile(kFile), "Sr.:Senhor\nkm:quil\xf3metros\n");
}

TEST_F(SpeechExceptionsEditorTest, EditingTheFieldChangesTheSelectedExceptionAndSaves) {
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->EditReplacement("x"));  // no line selected
  editor->Select(5);                           // past the end
  EXPECT_FALSE(editor->Selection());
  editor->Select(0);
  EXPECT_EQ(editor->ReplacementField(), "Senhor");
  EXPECT_TRUE(editor->EditReplacement("Senhorio"));
  EXPECT_EQ(editor->Lines(), (Lines{"Sr.:Senhorio", "km:quil\xf3metros"}));
  EXPECT_EQ(files_.ReadFile(kFile), "Sr.:Senhorio\nkm:quil\xf3metros\n");

  EXPECT_FALSE(editor->EditReplacement("se:nhor"));
  EXPECT_EQ(messages_.messages.size(), 1u);
  EXPECT_EQ(editor->ReplacementField(), "Senhorio");
  EXPECT_EQ(files_.ReadFile(kFile), "Sr.:Senhorio\nkm:quil\xf3metros\n");
}

TEST_F(SpeechExceptionsEditorTest, ApagarAsksAndRemovesTheSelectedException) {
  files_.AddFile(kFile, "Sr.:Senhor\n");
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->DeleteSelected());  // nothing selected
  editor->Select(0);
  messages_.answers = {false, true};
  EXPECT_FALSE(editor->DeleteSelected());  // No
  EXPECT_EQ(editor->Lines().size(), 1u);
  EXPECT_TRUE(editor->DeleteSelected());  // Yes
  EXPECT_TRUE(editor->Lines().empty());
  EXPECT_FALSE(editor->Selection());
  EXPECT_EQ(files_.ReadFile(kFile), "");
  EXPECT_FALSE(editor->DeleteSelected());  // an empty list

  EXPECT_EQ(messages_.messages,
            (Lines{"Seleccione primeiro uma excep\xe7\xe3o de s\xedntese de fala.",
                   "Lista de excep\xe7\xf5"
                   "es vazia!"}));
  EXPECT_EQ(messages_.questions, (Lines{"Quer mesmo apagar esta excep\xe7\xe3o?",
                                        "Quer mesmo apagar esta excep\xe7\xe3o?"}));
}

TEST_F(SpeechExceptionsEditorTest, OuvirSpeaksTheReplacementWithTheDialogsVoice) {
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  editor->Select(1);
  editor->Listen();
  EXPECT_EQ(engine_.Spoken().back(), "Portuguese (Portugal): quil\xf3metros");
}

TEST_F(SpeechExceptionsEditorTest, AFileThatCannotBeWrittenIsSaidAndTheListKeepsTheChange) {
  files_.SetPermissions(kFile, 0444);
  const auto editor = Open(kVoice);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->Add("Dr."));
  EXPECT_EQ(editor->Lines().front(), "Dr.:");
  ASSERT_EQ(messages_.messages.size(), 1u);
  EXPECT_NE(messages_.messages[0].find(kFile), std::string::npos) << messages_.messages[0];
  EXPECT_EQ(files_.ReadFile(kFile), "Sr.:Senhor\nkm:quil\xf3metros\n");
}

}  // namespace
}  // namespace vorelio::testing
