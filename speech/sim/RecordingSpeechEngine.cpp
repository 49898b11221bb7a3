#include "speech/sim/RecordingSpeechEngine.h"

#include <algorithm>
#include <utility>

namespace vorelio {

class RecordingSpeechEngine::Voice final : public SpeechVoice {
 public:
  Voice(RecordingSpeechEngine& engine, std::string description)
      : engine_(engine), description_(std::move(description)) {
    ++engine_.liveVoices_;
  }
  ~Voice() override { --engine_.liveVoices_; }

  bool SelectVoice(std::string_view description) override {
    const auto& voices = engine_.voices_;
    const auto found = std::find(voices.begin(), voices.end(), description);
    if (found == voices.end()) return false;
    description_ = *found;
    return true;
  }

  bool Speak(std::string_view text) override {
    if (engine_.failSpeaking_) return false;
    engine_.spoken_.push_back(description_ + ": " + std::string(text));
    return true;
  }

 private:
  RecordingSpeechEngine& engine_;
  std::string description_;
};

RecordingSpeechEngine::RecordingSpeechEngine(std::vector<std::string> voices)
    : voices_(std::move(voices)) {}

std::unique_ptr<SpeechVoice> RecordingSpeechEngine::CreateVoice() {
  if (failCreating_) return nullptr;
  return std::make_unique<Voice>(*this, voices_.empty() ? std::string() : voices_.front());
}

}  // namespace vorelio
