// The key sound: played on its own thread, cut off by the next press, and
// silent with one line of explanation when it cannot be heard.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>

#include "keyboards/KeySoundPlayer.h"
#include "platform/sim/MemoryFileSystem.h"
#include "platform/sim/RecordingAudioOutput.h"
#include "tests/platform/ReportLines.h"
#include "tests/platform/WavBytes.h"

namespace vorelio::testing {
namespace {

using Lines = std::vector<std::string>;

class KeySoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override { files_.AddFile("/dados/SomTecla.wav", SilentWav(22050, 1, 441)); }

  MemoryFileSystem files_;
  RecordingAudioOutput output_;
  ReportLines reports_;
};

TEST_F(KeySoundPlayerTest, PlaysTheKeySoundOfTheDataFolderAndEndingThePlayerStopsIt) {
  {
    KeySoundPlayer player(output_, files_, "/dados", reports_.Sink());
    player.Play();
    ASSERT_TRUE(output_.WaitForEnded(1));
    output_.Hold();
    player.Play();
    ASSERT_TRUE(output_.WaitForStarted(2));
  }
  EXPECT_EQ(output_.Plays(), (Lines{"22050 Hz, 1 ch, 441 frames: finished",
                                    "22050 Hz, 1 ch, 441 frames: stopped"}));
  EXPECT_TRUE(reports_.Get().empty());
}

TEST_F(KeySoundPlayerTest, PressingReturnsAtOnceAndANewPressCutsTheSoundOff) {
  KeySoundPlayer player(output_, files_, "/dados/", reports_.Sink());
  output_.Hold();  // sounds keep playing until released
  player.Play();   // returns while the sound plays on the player's thread
  ASSERT_TRUE(output_.WaitForStarted(1));
  player.Play();
  ASSERT_TRUE(output_.WaitForStarted(2));
  EXPECT_EQ(output_.Plays().front(), "22050 Hz, 1 ch, 441 frames: stopped");
  player.Stop();
  ASSERT_TRUE(output_.WaitForEnded(2));
  EXPECT_EQ(output_.Plays().back(), "22050 Hz, 1 ch, 441 frames: stopped");
}

TEST_F(KeySoundPlayerTest, WithNoSoundDeviceItStaysSilentAndSaysSoOnce) {
  RecordingAudioOutput noDevice(false);
  {
    KeySoundPlayer player(noDevice, files_, "/dados", reports_.Sink());
    for (std::size_t press = 1; press <= 3; ++press) {
      player.Play();
      ASSERT_TRUE(noDevice.WaitForEnded(press));
    }
  }  // the player's thread has finished its last press
  EXPECT_EQ(noDevice.Plays().back(), "22050 Hz, 1 ch, 441 frames: no device");
  const Lines lines = reports_.Get();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("dispositivo de som"), std::string::npos) << lines[0];
}

// Counts the reads of the key sound so that a test knows a press was taken.
class ReadCounter final : public FileSystemWrapper {
 public:
  using FileSystemWrapper::FileSystemWrapper;
  std::optional<std::string> ReadFile(const std::string& path) override {
    std::optional<std::string> bytes = target().ReadFile(path);
    std::lock_guard lock(mutex_);
    ++reads_;
    changed_.notify_all();
    return bytes;
  }
  bool WaitForReads(int count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return reads_ >= count; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int reads_ = 0;
};

TEST_F(KeySoundPlayerTest, AMissingOrBadFileIsReportedOnceAndNothingPlays) {
  files_.AddFile("/mau/SomTecla.wav", Riff(Chunk("fmt ", FormatBody(3, 1, 8000, 32))));
  // The reason: no file, or what is wrong with it.
  const std::pair<const char*, const char*> cases[] = {{"/outra", "n\xe3o existe"},
                                                       {"/mau", "n\xe3o suportado"}};
  for (const auto& [folder, reason] : cases) {
    ReadCounter counter(files_);
    ReportLines reports;
    {
      KeySoundPlayer player(output_, counter, folder, reports.Sink());
      for (int press = 1; press <= 3; ++press) {
        player.Play();
        ASSERT_TRUE(counter.WaitForReads(press)) << "a failed file is read again at each press";
      }
    }
    const Lines lines = reports.Get();
    ASSERT_EQ(lines.size(), 1u) << folder;
    EXPECT_NE(lines[0].find(std::string(folder) + "/SomTecla.wav"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(reason), std::string::npos) << lines[0];
  }
  EXPECT_TRUE(output_.Plays().empty());
}

}  // namespace
}  // namespace vorelio::testing
