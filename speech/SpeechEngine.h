// The speech platform behind one seam: the voices that are installed and
// voice objects that speak with one of them. The Linux engine is
// EspeakSpeechEngine; tests use RecordingSpeechEngine. Descriptions and
// texts are Windows-1252; engines convert at their edge.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

// One voice object: speaks texts, one at a time, with the voice chosen for
// it. Destroying it cuts off what it is saying. Calls come from one thread.
class SpeechVoice {
 public:
  virtual ~SpeechVoice() = default;

  // Speaks from now on with the first installed voice whose description is
  // exactly `description` (case-sensitive). False when no voice has it; the
  // voice object then keeps the voice it had.
  virtual bool SelectVoice(std::string_view description) = 0;
  // Starts speaking `text` and returns at once: whatever the voice object is
  // still saying, or has still to say, is cut off first. True when the text
  // was taken; trouble met while speaking is the engine's to report.
  virtual bool Speak(std::string_view text) = 0;
};

class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;

  // The descriptions of the installed voices, in the engine's order, as the
  // speech options page lists them.
  virtual std::vector<std::string> VoiceDescriptions() = 0;
  // A new voice object speaking with the engine's default voice; null when
  // the engine cannot make one. The engine must outlive it.
  virtual std::unique_ptr<SpeechVoice> CreateVoice() = 0;
};

}  // namespace vorelio
