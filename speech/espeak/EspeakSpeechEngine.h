// Speech through espeak-ng. A voice object synthesizes its text into a
// 16-bit PCM buffer with espeak-ng's C API, then plays the buffer through
// the program's AudioOutput on a thread of its own, so that speaking never
// waits and a new text cuts off the one before. espeak-ng keeps its state
// in the process and is not thread-safe: every engine shares one library,
// started with the first engine and kept for the life of the process, and
// only one synthesis runs at a time.
//
// The voices are espeak-ng's language voices, described by their names
// ("Portuguese (Portugal)"); the default voice is the one espeak-ng prefers
// for "pt", European Portuguese.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AudioOutput.h"
#include "platform/MessageBox.h"
#include "speech/SpeechEngine.h"

namespace vorelio {

class EspeakSpeechEngine final : public SpeechEngine {
 public:
  // Starts espeak-ng with its installed data. `output` must outlive the
  // engine, and the engine every voice object it made. `report` is given a
  // line (Portuguese, Windows-1252), at most once for each kind of trouble:
  // espeak-ng could not start (here), no sound device, the device refused
  // the speech, a synthesis failed (on the voices' threads). Speech goes on
  // silently after that.
  explicit EspeakSpeechEngine(
      AudioOutput& output, std::function<void(std::string_view)> report = WriteLineToStandardError);
  EspeakSpeechEngine(const EspeakSpeechEngine&) = delete;
  EspeakSpeechEngine& operator=(const EspeakSpeechEngine&) = delete;

  // False when espeak-ng could not start: no voices, and no voice objects.
  bool Ready() const { return sampleRate_ > 0; }
  // Frames per second of the sound espeak-ng makes; 0 when not ready.
  int SampleRate() const { return sampleRate_; }
  // The description of the default voice; empty when not ready.
  const std::string& DefaultVoice() const { return defaultVoice_; }

  std::vector<std::string> VoiceDescriptions() override;
  // Null when not ready.
  std::unique_ptr<SpeechVoice> CreateVoice() override;

  // The sound of `text` (Windows-1252, handed to espeak-ng as UTF-8 plain
  // text: no markup, no phoneme input) in the voice of `description`: mono
  // 16-bit PCM at SampleRate(). Nothing when the engine is not ready, no
  // voice has that description, espeak-ng fails, or `stop` was requested
  // before the synthesis ended. A text with nothing to say gives a sound
  // with no samples.
  std::optional<PcmSound> Synthesize(std::string_view text, std::string_view description,
                                     std::stop_token stop = {});
  // How the voice of `description` reads `text`: espeak-ng's phoneme
  // mnemonics as its synthesis traces them, the clauses separated by
  // spaces ("s'&U~" for "são"). Empty when not ready or no voice has that
  // description.
  std::string Phonemes(std::string_view text, std::string_view description);

 private:
  class Voice;
  struct InstalledVoice {
    std::string description;  // Windows-1252
    std::string identifier;   // espeak-ng's voice file, "roa/pt"
  };

  const InstalledVoice* Find(std::string_view description) const;
  // With the library's lock held: makes `voice` espeak-ng's current voice.
  static bool UseVoice(const InstalledVoice& voice);
  // A voice's thread has played, or failed to make, a sound.
  void Heard(PlayOutcome outcome);
  void SynthesisFailed();
  void ReportOnce(bool& reported, std::string_view line);

  AudioOutput& output_;
  const std::function<void(std::string_view)> report_;
  int sampleRate_ = 0;
  std::vector<InstalledVoice> voices_;
  std::string defaultVoice_;

  std::mutex reportMutex_;  // the voices' threads report
  bool reportedDevice_ = false;
  bool reportedRefusal_ = false;
  bool reportedSynthesis_ = false;
};

}  // namespace vorelio
