// The sound of a key press: "SomTecla.wav" from the data folder, played on
// a thread of the player's own so that pressing a key never waits for it.
// A new press cuts off the sound of the one before.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>

#include "platform/AudioOutput.h"
#include "platform/MessageBox.h"

namespace vorelio {

class FileSystem;

inline constexpr std::string_view kKeySoundFileName = "SomTecla.wav";

class KeySoundPlayer {
 public:
  // `output` and `files` must outlive the player. `report` is given a line
  // (Portuguese, Windows-1252) when the sound cannot be heard: once when
  // there is no sound device, once when the file cannot be read or the
  // device refuses it; the player stays silent after that.
  KeySoundPlayer(AudioOutput& output, FileSystem& files, std::string dataFolder,
                 std::function<void(std::string_view)> report = WriteLineToStandardError);
  // Cuts off the sound and ends the thread.
  ~KeySoundPlayer();
  KeySoundPlayer(const KeySoundPlayer&) = delete;
  KeySoundPlayer& operator=(const KeySoundPlayer&) = delete;

  // Cuts off the sound playing, if any, and plays the key sound from its
  // start. Returns at once. The file is read the first time it plays well.
  void Play();
  // Cuts off the sound playing, if any. Returns at once.
  void Stop();

 private:
  void Run();
  void PlayOnce(std::stop_token stop);
  void ReportOnce(bool& reported, const std::string& line);

  AudioOutput& output_;
  FileSystem& files_;
  const std::string path_;
  const std::function<void(std::string_view)> report_;

  // The thread's own.
  std::optional<PcmSound> sound_;
  bool reportedDevice_ = false;
  bool reportedFile_ = false;

  std::mutex mutex_;
  std::condition_variable wake_;
  bool pending_ = false;      // a press waits for the thread
  bool quitting_ = false;
  std::stop_source current_;  // stops the sound of the last press
  std::thread thread_;        // last: starts when everything else exists
};

}  // namespace vorelio
