// A speech engine for tests: says nothing, and keeps one line for every text
// a voice object of it took, in order, with the voice that spoke it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "speech/SpeechEngine.h"

namespace vorelio {

class RecordingSpeechEngine final : public SpeechEngine {
 public:
  // The installed voices, by description; a new voice object speaks with
  // the first (with none, with a voice described "").
  explicit RecordingSpeechEngine(std::vector<std::string> voices);

  std::vector<std::string> VoiceDescriptions() override { return voices_; }
  // Null while voice objects are made to fail.
  std::unique_ptr<SpeechVoice> CreateVoice() override;

  // Makes CreateVoice fail, or every voice's Speak refuse texts (recording
  // nothing), from now on.
  void FailCreatingVoices(bool fail) { failCreating_ = fail; }
  void FailSpeaking(bool fail) { failSpeaking_ = fail; }

  // "<voice description>: <text>" for every text taken, in order.
  const std::vector<std::string>& Spoken() const { return spoken_; }
  // How many voice objects are alive.
  int LiveVoices() const { return liveVoices_; }

 private:
  class Voice;

  const std::vector<std::string> voices_;
  bool failCreating_ = false;
  bool failSpeaking_ = false;
  std::vector<std::string> spoken_;
  int liveVoices_ = 0;
};

}  // namespace vorelio
