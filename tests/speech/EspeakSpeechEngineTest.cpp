// The espeak-ng engine: its voices, the sound it makes of a sentence, the
// text it hands to espeak-ng, and how its voice objects play through the
// audio output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/sim/RecordingAudioOutput.h"
#include "speech/espeak/EspeakSpeechEngine.h"
#include "tests/platform/ReportLines.h"

namespace vorelio::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kPortugal = "Portuguese (Portugal)";

double Seconds(const PcmSound& sound) {
  return static_cast<double>(sound.Frames()) / sound.sampleRate;
}

double Rms(const PcmSound& sound) {
  double sum = 0;
  for (const int16_t sample : sound.samples) sum += static_cast<double>(sample) * sample;
  return sound.samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(sound.samples.size()));
}

class EspeakSpeechEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine_.Ready()) << "espeak-ng did not start"; }

  RecordingAudioOutput output_;
  ReportLines reports_;
  EspeakSpeechEngine engine_{output_, reports_.Sink()};
};

TEST_F(EspeakSpeechEngineTest, ListsItsLanguageVoicesWithEuropeanPortugueseAsTheDefault) {
  const Lines voices = engine_.VoiceDescriptions();
  EXPECT_GT(voices.size(), 50u);
  EXPECT_NE(std::find(voices.begin(), voices.end(), kPortugal), voices.end());
  EXPECT_NE(std::find(voices.begin(), voices.end(), "Portuguese (Brazil)"), voices.end());
  EXPECT_EQ(engine_.DefaultVoice(), kPortugal);
  // Neither variants nor MBROLA voices, which need more than espeak-ng.
  EXPECT_EQ(
      std::find_if(voices.begin(), voices.end(),
                   [](const std::string& voice) { return voice.find("mbrola") != voice.npos; }),
      voices.end());
}

TEST_F(EspeakSpeechEngineTest, ASentenceBecomesAudibleSpeechOfAPlausibleLength) {
  const std::optional<PcmSound> sound = engine_.Synthesize("Ol\xe1, bom dia.", kPortugal);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->sampleRate, engine_.SampleRate());
  EXPECT_EQ(sound->channels, 1);
  EXPECT_GT(Seconds(*sound), 0.6);
  EXPECT_LT(Seconds(*sound), 3.0);
  EXPECT_GT(Rms(*sound), 1000.0);  // of 32767; silence is 0

  const std::optional<PcmSound> nothing = engine_.Synthesize("", kPortugal);
  ASSERT_TRUE(nothing);
  EXPECT_LT(Seconds(*nothing), 0.1);
}

TEST_F(EspeakSpeechEngineTest, AnUnknownVoiceOrAStopMakesNoSound) {
  EXPECT_FALSE(engine_.Synthesize("Ol\xe1", "portuguese (portugal)"));
  EXPECT_EQ(engine_.Phonemes("Ol\xe1", "Vulcano"), "");
  std::stop_source stopped;
  stopped.request_stop();
  EXPECT_FALSE(engine_.Synthesize("Ol\xe1, bom dia.", kPortugal, stopped.get_token()));
}

TEST_F(EspeakSpeechEngineTest, WindowsTextReachesEspeakAsUtf8) {
  // "ção" in Windows-1252 is read as the same syllable as "são"; its bytes
  // taken as they are would not even be valid UTF-8.
  const std::string cao = engine_.Phonemes("\xe7\xe3o", kPortugal);
  EXPECT_EQ(cao, engine_.Phonemes("s\xe3o", kPortugal));
  EXPECT_NE(cao.find("&U~"), std::string::npos) << cao;  // the nasal diphthong
  EXPECT_EQ(engine_.Phonemes("A\xe7\xf5"
                             "es",
                             kPortugal),
            engine_.Phonemes("Ass\xf5"
                             "es",
                             kPortugal));
  EXPECT_EQ(engine_.Phonemes("Ol\xe1, bom dia.", kPortugal).find("Ol'a"), 0u);
}

TEST_F(EspeakSpeechEngineTest, TheDefaultPortugueseIsEuropean) {
  // "dia": European [d'i&], Brazilian with an affricate [dZ'i&].
  const std::string european = engine_.Phonemes("dia", engine_.DefaultVoice());
  const std::string brazilian = engine_.Phonemes("dia", "Portuguese (Brazil)");
  EXPECT_EQ(european.find("dZ"), std::string::npos) << european;
  EXPECT_NE(brazilian.find("dZ"), std::string::npos) << brazilian;
}

TEST_F(EspeakSpeechEngineTest, AVoiceSpeaksThroughTheAudioOutput) {
  const auto voice = engine_.CreateVoice();
  ASSERT_NE(voice, nullptr);
  EXPECT_TRUE(voice->SelectVoice("Portuguese (Brazil)"));
  EXPECT_FALSE(voice->SelectVoice("Vulcano"));
  EXPECT_TRUE(voice->Speak("Ol\xe1, bom dia."));
  ASSERT_TRUE(output_.WaitForEnded(1));
  const std::string play = output_.Plays().front();
  EXPECT_EQ(play.rfind(std::to_string(engine_.SampleRate()) + " Hz, 1 ch, ", 0), 0u) << play;
  EXPECT_NE(play.find(": finished"), std::string::npos) << play;
  EXPECT_TRUE(reports_.Get().empty());
}

TEST_F(EspeakSpeechEngineTest, ANewTextCutsOffTheOnePlaying) {
  const auto voice = engine_.CreateVoice();
  ASSERT_NE(voice, nullptr);
  output_.Hold();  // a sound plays until released or stopped
  voice->Speak("Primeira frase, que ainda se ouve.");
  ASSERT_TRUE(output_.WaitForStarted(1));
  voice->Speak("Segunda.");
  ASSERT_TRUE(output_.WaitForStarted(2));
  output_.Release();
  ASSERT_TRUE(output_.WaitForEnded(2));
  const Lines plays = output_.Plays();
  EXPECT_NE(plays[0].find(": stopped"), std::string::npos) << plays[0];
  EXPECT_NE(plays[1].find(": finished"), std::string::npos) << plays[1];
}

TEST_F(EspeakSpeechEngineTest, DestroyingAVoiceCutsItOff) {
  output_.Hold();
  {
    const auto voice = engine_.CreateVoice();
    ASSERT_NE(voice, nullptr);
    voice->Speak("Uma frase.");
    ASSERT_TRUE(output_.WaitForStarted(1));
  }
  ASSERT_EQ(output_.Plays().size(), 1u);
  EXPECT_NE(output_.Plays()[0].find(": stopped"), std::string::npos);
}

TEST(EspeakWithoutSoundDevice, SpeechGoesOnSilentlyAndIsReportedOnce) {
  RecordingAudioOutput noDevice(false);
  ReportLines reports;
  {
    EspeakSpeechEngine engine(noDevice, reports.Sink());
    ASSERT_TRUE(engine.Ready());
    const auto first = engine.CreateVoice();
    const auto second = engine.CreateVoice();  // the engine reports, not each voice
    for (std::size_t text = 1; text <= 4; ++text) {
      EXPECT_TRUE((text % 2 ? first : second)->Speak("Ol\xe1."));
      ASSERT_TRUE(noDevice.WaitForEnded(text));
    }
  }
  EXPECT_NE(noDevice.Plays().back().find(": no device"), std::string::npos);
  const Lines lines = reports.Get();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("dispositivo de som"), std::string::npos) << lines[0];
}

TEST(EspeakLibrary, EnginesShareTheLibraryAndItOutlivesTheFirstEngine) {
  RecordingAudioOutput output;
  auto first = std::make_unique<EspeakSpeechEngine>(output);
  EspeakSpeechEngine second(output);
  first.reset();
  ASSERT_TRUE(second.Ready());
  const std::optional<PcmSound> sound = second.Synthesize("Ol\xe1.", kPortugal);
  ASSERT_TRUE(sound);
  EXPECT_GT(Rms(*sound), 1000.0);
}

}  // namespace
}  // namespace vorelio::testing
