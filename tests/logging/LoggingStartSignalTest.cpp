#include "logging/LoggingStartSignal.h"

#include <gtest/gtest.h>

#include "logging/EventLogging.h"
#include "platform/sim/MemoryFileSystem.h"
#include "platform/sim/RecordingAudioOutput.h"
#include "tests/logging/LoggingFixtures.h"
#include "tests/platform/WavBytes.h"

namespace vorelio {
namespace {

class RecordingWindow final : public StartSignalWindow {
 public:
  void Show(std::string_view text) override { calls.push_back("show " + std::string(text)); }
  void Close() override { calls.push_back("close"); }
  std::vector<std::string> calls;
};

class LoggingStartSignalTest : public ::testing::Test {
 protected:
  LoggingStartSignalTest() { files.AddFolder("/dados"); }

  MemoryFileSystem files;
  ManualClock clock{testing::SundayAt(17, 42)};
  RecordingWindow window;
  RecordingAudioOutput audio;
  std::vector<std::string> reports;
  LoggingStartSignal signal{window, audio, files, clock, "/dados",
                            [this](std::string_view line) { reports.emplace_back(line); }};
};

TEST_F(LoggingStartSignalTest, TheTimeIsShownWhileTheSoundPlaysOncePerRun) {
  files.AddFile("/dados/InicioRegisto.wav", testing::SilentWav(8000, 1, 80));
  RecordingMessageBox messages;
  EventLogging logging(files, clock, messages, nullptr, &signal);
  LoggingSettings settings{.logEvents = 1, .startSignal = 1};
  logging.Start(settings, "/dados", "generico");
  logging.Start(settings, "/dados", "generico");
  EXPECT_EQ(window.calls,
            (std::vector<std::string>{"show domingo 06-12-2026 00:27:17.042", "close"}));
  EXPECT_EQ(audio.Plays(), std::vector<std::string>{"8000 Hz, 1 ch, 80 frames: finished"});
  EXPECT_TRUE(reports.empty());
  EXPECT_TRUE(logging.IsOn());
}

TEST_F(LoggingStartSignalTest, NotAskedForNotGiven) {
  RecordingMessageBox messages;
  EventLogging logging(files, clock, messages, nullptr, &signal);
  logging.Start({.logEvents = 1, .startSignal = 0}, "/dados", "generico");
  logging.Start({.logEvents = 0, .startSignal = 1}, "/dados", "generico");
  EXPECT_FALSE(signal.Given());
  EXPECT_TRUE(window.calls.empty());
}

TEST_F(LoggingStartSignalTest, ASoundThatCannotBeHeardIsReportedAndTheSignalCountsAsGiven) {
  signal.GiveOnce();
  EXPECT_TRUE(signal.Given());
  EXPECT_EQ(window.calls.size(), 2u);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0],
            "O sinal de in\xED" "cio do registo de eventos (/dados/InicioRegisto.wav) n\xE3o "
            "pode ser tocado: o ficheiro n\xE3o existe ou n\xE3o pode ser lido.");

  RecordingAudioOutput silent(false);
  files.AddFile("/dados/InicioRegisto.wav", testing::SilentWav(8000, 1, 80));
  LoggingStartSignal again(window, silent, files, clock, "/dados",
                           [this](std::string_view line) { reports.emplace_back(line); });
  again.GiveOnce();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_TRUE(reports[1].ends_with("n\xE3o foi encontrado nenhum dispositivo de som."));
}

}  // namespace
}  // namespace vorelio
