// The WAV reader on good files and on every kind of bad one.
#include <gtest/gtest.h>

#include "platform/WavFile.h"
#include "tests/platform/WavBytes.h"

namespace vorelio::testing {
namespace {

using Samples = std::vector<int16_t>;

TEST(WavFileTest, ReadsSixteenAndEightBitPcm) {
  // 16 bits, mono: signed little-endian samples as they are.
  std::optional<PcmSound> sound = ReadWav(Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 16)) +
                                               Chunk("data", Le16(1) + Le16(0x8000) + Le16(0x7FFF))));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->sampleRate, 22050);
  EXPECT_EQ(sound->channels, 1);
  EXPECT_EQ(sound->samples, (Samples{1, -32768, 32767}));

  // 8 bits, stereo: unsigned samples round 128, widened to 16 bits.
  sound = ReadWav(Riff(Chunk("fmt ", FormatBody(1, 2, 8000, 8)) +
                       Chunk("data", std::string("\x80\xff\x00\x81", 4))));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->Frames(), 2);
  EXPECT_EQ(sound->samples, (Samples{0, 127 * 256, -32768, 256}));
}

TEST(WavFileTest, WritesWhatItReads) {
  const PcmSound stereo{.sampleRate = 44100, .channels = 2, .samples = {1, -1, -32768, 32767}};
  EXPECT_EQ(WriteWav(stereo), Riff(Chunk("fmt ", FormatBody(1, 2, 44100, 16)) +
                                   Chunk("data", Le16(1) + Le16(0xFFFF) + Le16(0x8000) +
                                                     Le16(0x7FFF))));
  const std::optional<PcmSound> back = ReadWav(WriteWav(stereo));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->sampleRate, 44100);
  EXPECT_EQ(back->channels, 2);
  EXPECT_EQ(back->samples, stereo.samples);
}

TEST(WavFileTest, SkipsOtherChunksTakesAnyOrderAndTheExtensibleFormat) {
  // A "LIST" chunk of odd size (padded) before the data, and the format
  // after it; a trailing part frame is dropped.
  const std::string data = Le16(100) + Le16(200) + Le16(300) + Le16(400) + "\x01";
  std::optional<PcmSound> sound = ReadWav(Riff(Chunk("LIST", "abc") + Chunk("data", data) +
                                               Chunk("fmt ", FormatBody(1, 2, 44100, 16))));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->samples, (Samples{100, 200, 300, 400}));

  // WAVE_FORMAT_EXTENSIBLE whose sub-format is PCM.
  std::string extensible = FormatBody(0xFFFE, 1, 16000, 16) + Le16(22) + Le16(16) + Le32(4) +
                           Le16(1) + std::string(14, '\x10');
  sound = ReadWav(Riff(Chunk("fmt ", extensible) + Chunk("data", Le16(7))));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->samples, (Samples{7}));
  // ... and whose sub-format is floating point.
  extensible.replace(24, 2, Le16(3));
  EXPECT_FALSE(ReadWav(Riff(Chunk("fmt ", extensible) + Chunk("data", Le32(7)))));
}

TEST(WavFileTest, BadFilesFailWithAReason) {
  const std::string pcm = Chunk("fmt ", FormatBody(1, 1, 8000, 16));
  const std::string samples = Chunk("data", Le16(1) + Le16(2));
  struct Case {
    const char* what;
    std::string bytes;
    const char* reasonHolds;
  };
  const Case cases[] = {
      {"empty", "", "WAV"},
      {"not RIFF", "RIFX" + Le32(4) + "WAVE" + pcm + samples, "WAV"},
      {"not WAVE", "RIFF" + Le32(4) + "AVI " + pcm + samples, "WAV"},
      {"data cut short", Riff(pcm + samples).substr(0, 12 + pcm.size() + 10), "incompleto"},
      {"format cut short", Riff(pcm).substr(0, 30), "incompleto"},
      {"no format", Riff(samples), "formato"},
      {"no data", Riff(pcm), "som"},
      {"no frames", Riff(pcm + Chunk("data", "\x01")), "som"},
      {"floating point", Riff(Chunk("fmt ", FormatBody(3, 1, 8000, 32)) + samples), "suportado"},
      {"A-law", Riff(Chunk("fmt ", FormatBody(6, 1, 8000, 8)) + samples), "suportado"},
      {"24 bits", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 24)) + samples), "suportado"},
      {"no channels", Riff(Chunk("fmt ", FormatBody(1, 0, 8000, 16, 2)) + samples), "inv\xe1lido"},
      {"no rate", Riff(Chunk("fmt ", FormatBody(1, 1, 0, 16)) + samples), "inv\xe1lido"},
      {"wrong block size", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 16, 3)) + samples),
       "inv\xe1lido"},
  };
  for (const Case& c : cases) {
    std::string reason;
    EXPECT_FALSE(ReadWav(c.bytes, &reason)) << c.what;
    EXPECT_NE(reason.find(c.reasonHolds), std::string::npos) << c.what << ": " << reason;
  }
}

TEST(WavFileTest, EveryTruncationAndByteChangeIsReadOrRefusedSafely) {
  const std::string good = Riff(Chunk("LIST", "info") + Chunk("fmt ", FormatBody(1, 2, 8000, 16)) +
                                Chunk("data", std::string(64, '\x11')));
  for (std::size_t length = 0; length < good.size(); ++length) {
    std::string reason;
    const std::optional<PcmSound> sound = ReadWav(good.substr(0, length), &reason);
    EXPECT_TRUE(!sound || sound->samples.size() <= 32);
    EXPECT_TRUE(sound || !reason.empty()) << length;
  }
  for (std::size_t at = 0; at < good.size(); ++at) {
    for (char value : {'\0', '\x7f', '\xff'}) {
      std::string changed = good;
      changed[at] = value;
      std::string reason;
      const std::optional<PcmSound> sound = ReadWav(changed, &reason);
      if (sound) {
        EXPECT_EQ(sound->samples.size() % static_cast<std::size_t>(sound->channels), 0u);
      } else {
        EXPECT_FALSE(reason.empty());
      }
    }
  }
}

}  // namespace
}  // namespace vorelio::testing
