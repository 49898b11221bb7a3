#include "logging/LoggingStartSignal.h"

#include <optional>
#include <stop_token>

#include "common/NativePath.h"
#include "logging/MilliTime.h"
#include "platform/WavFile.h"

namespace vorelio {

LoggingStartSignal::LoggingStartSignal(StartSignalWindow& window, AudioOutput& output,
                                       FileSystem& files, ClockService& clock,
                                       std::string dataFolder,
                                       std::function<void(std::string_view)> report)
    : window_(window),
      output_(output),
      files_(files),
      clock_(clock),
      path_(InFolder(dataFolder, kStartSignalSoundName)),
      report_(std::move(report)) {}

void LoggingStartSignal::GiveOnce() {
  if (given_) return;
  given_ = true;
  window_.Show(CMilliTime(clock_).DisplayForm());
  PlaySound();
  window_.Close();
}

void LoggingStartSignal::PlaySound() {
  const std::string unheard = "O sinal de in\xED" "cio do registo de eventos (" + path_ +
                              ") n\xE3o pode ser tocado: ";
  const std::optional<std::string> bytes = files_.ReadFile(path_);
  std::string reason = "o ficheiro n\xE3o existe ou n\xE3o pode ser lido";
  std::optional<PcmSound> sound;
  if (bytes) sound = ReadWav(*bytes, &reason);
  if (!sound) {
    report_(unheard + reason + ".");
    return;
  }
  switch (output_.Play(*sound, std::stop_token())) {
    case PlayOutcome::kNoDevice:
      report_(unheard + "n\xE3o foi encontrado nenhum dispositivo de som.");
      return;
    case PlayOutcome::kFailed:
      report_(unheard + "o dispositivo de som recusou-o.");
      return;
    default:
      return;
  }
}

}  // namespace vorelio
