#include "keyboards/KeySoundPlayer.h"

#include "common/NativePath.h"
#include "platform/FileSystem.h"
#include "platform/WavFile.h"

namespace vorelio {

KeySoundPlayer::KeySoundPlayer(AudioOutput& output, FileSystem& files, std::string dataFolder,
                               std::function<void(std::string_view)> report)
    : files_(files),
      path_(InFolder(dataFolder, kKeySoundFileName)),
      report_(std::move(report)),
      player_(output, [this](PlayOutcome outcome) { Heard(outcome); }) {}

void KeySoundPlayer::Play() {
  player_.Play([this](std::stop_token) { return Sound(); });
}

void KeySoundPlayer::Stop() { player_.Stop(); }

std::optional<PcmSound> KeySoundPlayer::Sound() {
  if (!sound_) {
    const std::optional<std::string> bytes = files_.ReadFile(path_);
    std::string reason = "o ficheiro n\xe3o existe ou n\xe3o pode ser lido";
    if (bytes) sound_ = ReadWav(*bytes, &reason);
    if (!sound_) {
      ReportOnce(reportedFile_,
                 "O som das teclas (" + path_ + ") n\xe3o pode ser tocado: " + reason + ".");
    }
  }
  return sound_;
}

void KeySoundPlayer::Heard(PlayOutcome outcome) {
  switch (outcome) {
    case PlayOutcome::kNoDevice:
      ReportOnce(reportedDevice_,
                 "N\xe3o foi encontrado nenhum dispositivo de som: "
                 "as teclas v\xe3o ficar em sil\xeancio.");
      return;
    case PlayOutcome::kFailed:
      ReportOnce(reportedFile_, "O dispositivo de som recusou o som das teclas (" + path_ + ").");
      return;
    default:
      return;
  }
}

void KeySoundPlayer::ReportOnce(bool& reported, const std::string& line) {
  if (reported) return;
  reported = true;
  if (report_) report_(line);
}

}  // namespace vorelio
