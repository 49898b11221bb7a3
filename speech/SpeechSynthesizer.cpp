#include "speech/SpeechSynthesizer.h"

#include <utility>

#include "profiles/UserProfileOptions.h"

namespace vorelio {

CSpeechSynthesizer::CSpeechSynthesizer(SpeechEngine& engine, FileSystem& files,
                                       std::string dataFolder)
    : engine_(engine), files_(files), dataFolder_(std::move(dataFolder)) {}

std::vector<std::string> CSpeechSynthesizer::ListVoices() const {
  return engine_.VoiceDescriptions();
}

bool CSpeechSynthesizer::SelectVoice(const std::string& name) {
  voice_ = engine_.CreateVoice();
  if (voice_ == nullptr || !voice_->SelectVoice(name)) return false;
  voice_->Speak(" ");
  voiceName_ = name;
  exceptions_.Load(files_, ExceptionsPath());
  return true;
}

bool CSpeechSynthesizer::Speak(std::string_view text) {
  if (voice_ == nullptr) return false;
  if (const std::string* replacement = exceptions_.Replacement(text)) text = *replacement;
  return voice_->Speak(text);
}

void CSpeechSynthesizer::Release() {
  voice_.reset();
  voiceName_.clear();
  exceptions_.Clear();
}

bool CSpeechSynthesizer::SetException(std::string_view text, std::string_view replacement) {
  return exceptions_.Set(text, replacement) && SaveExceptions();
}

bool CSpeechSynthesizer::SetExceptions(SpeechExceptionSet exceptions) {
  exceptions_ = std::move(exceptions);
  return SaveExceptions();
}

bool CSpeechSynthesizer::UseProfileVoice(std::string_view voiceOption) {
  Release();
  speaksTexts_ = voiceOption != kNoVoiceName;
  return SelectVoice(speaksTexts_ ? std::string(voiceOption) : std::string());
}

std::string CSpeechSynthesizer::SpeakText(std::string_view text) {
  if (text.empty() || !speaksTexts_ || !Speak(text)) return {};
  return std::string(text);
}

std::string CSpeechSynthesizer::ExceptionsPath() const {
  return voiceName_.empty() ? std::string() : SpeechExceptionsPath(dataFolder_, voiceName_);
}

bool CSpeechSynthesizer::SaveExceptions() {
  return !voiceName_.empty() && exceptions_.Save(files_, ExceptionsPath());
}

}  // namespace vorelio
