// CSpeechSynthesizer over the recording engine: choosing a voice, the
// exceptions of that voice, and what the controller's profile voice does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/MemoryFileSystem.h"
#include "speech/SpeechSynthesizer.h"
#include "speech/sim/RecordingSpeechEngine.h"

namespace vorelio::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kPortugal = "Portuguese (Portugal)";
constexpr const char* kBrazil = "Portuguese (Brazil)";
constexpr const char* kPortugalFile = "/dados/Portuguese (Portugal)_text_exceptions.txt";
constexpr const char* kBrazilFile = "/dados/Portuguese (Brazil)_text_exceptions.txt";

class SpeechSynthesizerTest : public ::testing::Test {
 protected:
  SpeechSynthesizerTest() {
    files_.AddFile(kPortugalFile, "Sr.:Senhor\nkm:quil\xf3metros\n");
    files_.AddFile(kBrazilFile, "vc:voc\xea\n");
  }

  MemoryFileSystem files_;
  RecordingSpeechEngine engine_{{"English (Great Britain)", kPortugal, kBrazil}};
  CSpeechSynthesizer synthesizer_{engine_, files_, "/dados"};
};

TEST_F(SpeechSynthesizerTest, ListsTheEngineVoicesInItsOrder) {
  EXPECT_EQ(synthesizer_.ListVoices(), (Lines{"English (Great Britain)", kPortugal, kBrazil}));
}

TEST_F(SpeechSynthesizerTest, SelectingAVoiceSpeaksASpaceAndLoadsItsExceptions) {
  ASSERT_TRUE(synthesizer_.SelectVoice(kPortugal));
  EXPECT_EQ(synthesizer_.VoiceName(), kPortugal);
  EXPECT_EQ(synthesizer_.Exceptions().Size(), 2u);
  EXPECT_TRUE(synthesizer_.Speak("Bom dia"));
  EXPECT_EQ(engine_.Spoken(),
            (Lines{"Portuguese (Portugal):  ", "Portuguese (Portugal): Bom dia"}));

  ASSERT_TRUE(synthesizer_.SelectVoice(kBrazil));  // a new voice object, the other's exceptions
  EXPECT_EQ(engine_.LiveVoices(), 1);
  EXPECT_EQ(synthesizer_.Exceptions().Size(), 1u);
  EXPECT_TRUE(synthesizer_.Speak("vc"));
  EXPECT_EQ(engine_.Spoken().back(), "Portuguese (Brazil): voc\xea");
}

TEST_F(SpeechSynthesizerTest, OnlyAWholeTextIsReplaced) {
  ASSERT_TRUE(synthesizer_.SelectVoice(kPortugal));
  for (const char* text : {"Sr.", "Bom dia Sr.", "sr.", "Sr. ", "km"}) synthesizer_.Speak(text);
  EXPECT_EQ(engine_.Spoken(),
            (Lines{"Portuguese (Portugal):  ", "Portuguese (Portugal): Senhor",
                   "Portuguese (Portugal): Bom dia Sr.", "Portuguese (Portugal): sr.",
                   "Portuguese (Portugal): Sr. ", "Portuguese (Portugal): quil\xf3metros"}));
}

TEST_F(SpeechSynthesizerTest, AnUnknownNameLeavesTheDefaultVoiceAndTheNameAndExceptionsAsTheyWere) {
  // Before any voice: the default voice speaks, with no exceptions.
  for (const char* name : {"portuguese (portugal)", "Portuguese", "", "Nenhum"}) {
    EXPECT_FALSE(synthesizer_.SelectVoice(name)) << name;
    EXPECT_TRUE(synthesizer_.HasVoice());
    EXPECT_EQ(synthesizer_.VoiceName(), "");
  }
  EXPECT_TRUE(synthesizer_.Speak("Sr."));
  EXPECT_EQ(engine_.Spoken(), (Lines{"English (Great Britain): Sr."}));

  ASSERT_TRUE(synthesizer_.SelectVoice(kPortugal));
  EXPECT_FALSE(synthesizer_.SelectVoice("Microsoft Helia"));
  EXPECT_EQ(synthesizer_.VoiceName(), kPortugal);
  EXPECT_TRUE(synthesizer_.Speak("Sr."));
  EXPECT_EQ(engine_.Spoken().back(), "English (Great Britain): Senhor");
}

TEST_F(SpeechSynthesizerTest, WithoutAVoiceObjectNothingIsSpoken) {
  EXPECT_FALSE(synthesizer_.Speak("Ol\xe1"));  // none selected yet
  engine_.FailCreatingVoices(true);
  EXPECT_FALSE(synthesizer_.SelectVoice(kPortugal));
  EXPECT_FALSE(synthesizer_.HasVoice());
  EXPECT_FALSE(synthesizer_.Speak("Ol\xe1"));
  engine_.FailCreatingVoices(false);

  ASSERT_TRUE(synthesizer_.SelectVoice(kPortugal));
  engine_.FailSpeaking(true);
  EXPECT_FALSE(synthesizer_.Speak("Ol\xe1"));
  synthesizer_.Release();
  EXPECT_EQ(engine_.LiveVoices(), 0);
  EXPECT_FALSE(synthesizer_.Speak("Ol\xe1"));
  EXPECT_EQ(engine_.Spoken(), (Lines{"Portuguese (Portugal):  "}));
}

TEST_F(SpeechSynthesizerTest, ExceptionsAreSavedToTheSelectedVoicesFile) {
  EXPECT_FALSE(synthesizer_.SetException("Dr.", "Doutor"));  // no voice: no file to save to
  ASSERT_TRUE(synthesizer_.SelectVoice(kPortugal));
  EXPECT_TRUE(synthesizer_.SetException("Dr.", "Doutor"));
  EXPECT_TRUE(synthesizer_.SetException("Sr.", "Senhorio"));
  EXPECT_FALSE(synthesizer_.SetException("a:b", "c"));
  EXPECT_EQ(files_.ReadFile(kPortugalFile), "Dr.:Doutor\nSr.:Senhorio\nkm:quil\xf3metros\n");
  synthesizer_.Speak("Dr.");
  EXPECT_EQ(engine_.Spoken().back(), "Portuguese (Portugal): Doutor");

  SpeechExceptionSet replaced;
  ASSERT_TRUE(replaced.Set("PC", "computador"));
  EXPECT_TRUE(synthesizer_.SetExceptions(replaced));
  EXPECT_EQ(files_.ReadFile(kPortugalFile), "PC:computador\n");

  files_.SetPermissions(kPortugalFile, 0444);  // the user made it read-only
  EXPECT_FALSE(synthesizer_.SetException("Dr.", "Doutor"));
  EXPECT_EQ(files_.ReadFile(kPortugalFile), "PC:computador\n");
  synthesizer_.Speak("Dr.");  // still in use until the voice is selected again
  EXPECT_EQ(engine_.Spoken().back(), "Portuguese (Portugal): Doutor");
}

TEST_F(SpeechSynthesizerTest, AVoiceWithoutAFileGetsAnEmptyOne) {
  ASSERT_TRUE(synthesizer_.SelectVoice("English (Great Britain)"));
  EXPECT_TRUE(synthesizer_.Exceptions().Empty());
  EXPECT_EQ(files_.ReadFile("/dados/English (Great Britain)_text_exceptions.txt"), "");
}

TEST_F(SpeechSynthesizerTest, TheProfileVoiceNenhumSpeaksNothing) {
  synthesizer_.UseProfileVoice("Nenhum");
  EXPECT_EQ(synthesizer_.SpeakText("Ol\xe1"), "");
  EXPECT_TRUE(engine_.Spoken().empty());

  EXPECT_TRUE(synthesizer_.UseProfileVoice(kPortugal));
  EXPECT_EQ(synthesizer_.SpeakText("Sr."), "Sr.");  // the text, not what was said for it
  EXPECT_EQ(synthesizer_.SpeakText(""), "");
  EXPECT_EQ(engine_.Spoken(), (Lines{"Portuguese (Portugal):  ", "Portuguese (Portugal): Senhor"}));

  engine_.FailCreatingVoices(true);
  EXPECT_FALSE(synthesizer_.UseProfileVoice(kPortugal));
  EXPECT_EQ(synthesizer_.SpeakText("Ol\xe1"), "");  // nothing was spoken
}

TEST_F(SpeechSynthesizerTest, ANewProfileDoesNotInheritTheExceptionsOfTheVoiceBefore) {
  ASSERT_TRUE(synthesizer_.UseProfileVoice(kPortugal));
  // A profile made on Windows names a voice that is not installed here.
  EXPECT_FALSE(synthesizer_.UseProfileVoice("Microsoft Helia Desktop"));
  EXPECT_EQ(synthesizer_.VoiceName(), "");
  EXPECT_EQ(synthesizer_.SpeakText("Sr."), "Sr.");
  EXPECT_EQ(engine_.Spoken().back(), "English (Great Britain): Sr.");
  EXPECT_EQ(engine_.LiveVoices(), 1);
}

}  // namespace
}  // namespace vorelio::testing
