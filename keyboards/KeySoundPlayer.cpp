#include "keyboards/KeySoundPlayer.h"

#include "common/NativePath.h"
#include "platform/FileSystem.h"
#include "platform/WavFile.h"

namespace vorelio {

KeySoundPlayer::KeySoundPlayer(AudioOutput& output, FileSystem& files, std::string dataFolder,
                               std::function<void(std::string_view)> report)
    : output_(output),
      files_(files),
      path_(InFolder(dataFolder, kKeySoundFileName)),
      report_(std::move(report)),
      thread_([this] { Run(); }) {}

KeySoundPlayer::~KeySoundPlayer() {
  {
    std::lock_guard lock(mutex_);
    quitting_ = true;
    current_.request_stop();
  }
  wake_.notify_one();
  thread_.join();
}

void KeySoundPlayer::Play() {
  {
    std::lock_guard lock(mutex_);
    current_.request_stop();
    current_ = std::stop_source();
    pending_ = true;
  }
  wake_.notify_one();
}

void KeySoundPlayer::Stop() {
  std::lock_guard lock(mutex_);
  current_.request_stop();
  pending_ = false;
}

void KeySoundPlayer::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || quitting_; });
    if (quitting_) return;
    pending_ = false;
    const std::stop_token stop = current_.get_token();
    lock.unlock();
    PlayOnce(stop);
    lock.lock();
  }
}

void KeySoundPlayer::PlayOnce(std::stop_token stop) {
  if (!sound_) {
    const std::optional<std::string> bytes = files_.ReadFile(path_);
    std::string reason = "o ficheiro n\xe3o existe ou n\xe3o pode ser lido";
    if (bytes) sound_ = ReadWav(*bytes, &reason);
    if (!sound_) {
      ReportOnce(reportedFile_,
                 "O som das teclas (" + path_ + ") n\xe3o pode ser tocado: " + reason + ".");
      return;
    }
  }
  switch (output_.Play(*sound_, stop)) {
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
