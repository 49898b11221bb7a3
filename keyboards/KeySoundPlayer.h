// The sound of a key press: "SomTecla.wav" from the data folder, played on
// a thread of the player's own so that pressing a key never waits for it.
// A new press cuts off the sound of the one before.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/AudioOutput.h"
#include "platform/InterruptingSoundPlayer.h"
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
  // Destroying the player cuts off the sound and ends the thread.

  // Cuts off the sound playing, if any, and plays the key sound from its
  // start. Returns at once. The file is read the first time it plays well.
  void Play();
  // Cuts off the sound playing, if any. Returns at once.
  void Stop();

 private:
  // On the player's thread: the sound, read the first time it is wanted.
  std::optional<PcmSound> Sound();
  void Heard(PlayOutcome outcome);
  void ReportOnce(bool& reported, const std::string& line);

  FileSystem& files_;
  const std::string path_;
  const std::function<void(std::string_view)> report_;

  // The thread's own.
  std::optional<PcmSound> sound_;
  bool reportedDevice_ = false;
  bool reportedFile_ = false;

  InterruptingSoundPlayer player_;  // last: its thread starts when the rest exists
};

}  // namespace vorelio
