// The signal that logging has started, given once per run of the program
// when the profile asks for it (SOM_INICIAL_REGISTO_EVENTOS): the current
// time, shown in a window, while the sound "InicioRegisto.wav" of the data
// folder plays to its end. It marks the start of the first log on a video
// of the session, so that the two can be matched.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/AudioOutput.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace vorelio {

inline constexpr std::string_view kStartSignalSoundName = "InicioRegisto.wav";

// How the window of the signal looks.
struct StartSignalLook {
  static constexpr std::string_view kFontFace = "Tahoma";
  static constexpr int kPointSize = 20;
  static constexpr uint32_t kTextColour = 1447446;  // 0x00BBGGRR
  static constexpr uint32_t kBackgroundColour = 0xE4E4E4;
  static constexpr int kPixelsBelowScreenCentre = 50;  // and centred across
};

// The window of the signal: borderless, with the look above. The GUI
// implements it.
class StartSignalWindow {
 public:
  virtual ~StartSignalWindow() = default;
  virtual void Show(std::string_view text) = 0;  // Windows-1252
  virtual void Close() = 0;
};

class LoggingStartSignal {
 public:
  // Everything passed must outlive the signal. `report` gets a line
  // (Portuguese, Windows-1252) when the sound cannot be heard.
  LoggingStartSignal(StartSignalWindow& window, AudioOutput& output, FileSystem& files,
                     ClockService& clock, std::string dataFolder,
                     std::function<void(std::string_view)> report = WriteLineToStandardError);

  // Unless it was given before in this run: shows the display form of now
  // (CMilliTime), plays the sound to its end, then closes the window. The
  // signal counts as given even when the sound could not be heard (a
  // missing or unreadable file, no sound device); that is reported.
  void GiveOnce();
  bool Given() const { return given_; }

 private:
  void PlaySound();

  StartSignalWindow& window_;
  AudioOutput& output_;
  FileSystem& files_;
  ClockService& clock_;
  const std::string path_;
  const std::function<void(std::string_view)> report_;
  bool given_ = false;
};

}  // namespace vorelio
