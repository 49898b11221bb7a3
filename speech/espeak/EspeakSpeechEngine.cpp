#include "speech/espeak/EspeakSpeechEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "common/Text.h"
#include "platform/InterruptingSoundPlayer.h"

namespace vorelio {

namespace {

// espeak-ng's state belongs to the process: one lock for every call into
// it. Once started it stays for the life of the process: espeak-ng 1.51
// hangs in its first synthesis after being stopped and started again.
struct EspeakLibrary {
  std::mutex mutex;
  int sampleRate = 0;  // once started
};

EspeakLibrary& Library() {
  static EspeakLibrary library;
  return library;
}

// Where the synthesis callback puts the samples of the synthesis running.
struct Synthesis {
  std::vector<int16_t>& samples;
  std::stop_token stop;
};

// espeak-ng hands over the sound a piece at a time; returning 1 ends the
// synthesis early.
int OnSamples(short* samples, int count, espeak_EVENT* events) {
  auto* synthesis = static_cast<Synthesis*>(events->user_data);
  if (synthesis == nullptr) return 0;
  if (samples != nullptr && count > 0) {
    synthesis->samples.insert(synthesis->samples.end(), samples, samples + count);
  }
  return synthesis->stop.stop_requested() ? 1 : 0;
}

// With the library's lock held: synthesizes the text into `synthesis`.
bool SynthesizeUtf8(const std::string& utf8, Synthesis& synthesis) {
  return espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                      &synthesis) == EE_OK &&
         !synthesis.stop.stop_requested();
}

// The language whose preferred voice is the default.
constexpr const char* kDefaultLanguage = "pt";

}  // namespace

class EspeakSpeechEngine::Voice final : public SpeechVoice {
 public:
  explicit Voice(EspeakSpeechEngine& engine)
      : engine_(engine),
        description_(engine.defaultVoice_),
        player_(engine.output_, [&engine](PlayOutcome outcome) { engine.Heard(outcome); }) {}

  bool SelectVoice(std::string_view description) override {
    if (engine_.Find(description) == nullptr) return false;
    description_ = description;
    return true;
  }

  bool Speak(std::string_view text) override {
    player_.Play([&engine = engine_, text = std::string(text),
                  description = description_](std::stop_token stop) {
      std::optional<PcmSound> sound = engine.Synthesize(text, description, stop);
      if (!sound && !stop.stop_requested()) engine.SynthesisFailed();
      if (sound && sound->samples.empty()) sound.reset();  // nothing to say
      return sound;
    });
    return true;
  }

 private:
  EspeakSpeechEngine& engine_;
  std::string description_;
  InterruptingSoundPlayer player_;  // last: its thread starts when the rest exists
};

EspeakSpeechEngine::EspeakSpeechEngine(AudioOutput& output,
                                       std::function<void(std::string_view)> report)
    : output_(output), report_(std::move(report)) {
  EspeakLibrary& library = Library();
  std::lock_guard lock(library.mutex);
  if (library.sampleRate == 0) {
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate > 0) espeak_SetSynthCallback(OnSamples);
    library.sampleRate = std::max(rate, 0);
  }
  if (library.sampleRate == 0) {
    if (report_) {
      report_(
          "O sintetizador de fala espeak-ng n\xe3o p\xf4"
          "de ser iniciado "
          "(faltam os seus dados?): o programa fica sem fala.");
    }
    return;
  }
  sampleRate_ = library.sampleRate;

  // The language voices: espeak-ng lists neither variants nor MBROLA voices.
  for (const espeak_VOICE* const* voice = espeak_ListVoices(nullptr); *voice != nullptr; ++voice)
    voices_.push_back({Utf8ToCp1252((*voice)->name), (*voice)->identifier});
  espeak_VOICE language{};
  language.languages = kDefaultLanguage;
  for (const espeak_VOICE* const* voice = espeak_ListVoices(&language); *voice != nullptr;
       ++voice) {
    const auto installed =
        std::find_if(voices_.begin(), voices_.end(), [&](const InstalledVoice& candidate) {
          return candidate.identifier == (*voice)->identifier;
        });
    if (installed != voices_.end()) {
      defaultVoice_ = installed->description;
      break;
    }
  }
  if (defaultVoice_.empty() && !voices_.empty()) defaultVoice_ = voices_.front().description;
}

std::vector<std::string> EspeakSpeechEngine::VoiceDescriptions() {
  std::vector<std::string> descriptions;
  for (const InstalledVoice& voice : voices_) descriptions.push_back(voice.description);
  return descriptions;
}

std::unique_ptr<SpeechVoice> EspeakSpeechEngine::CreateVoice() {
  if (!Ready()) return nullptr;
  return std::make_unique<Voice>(*this);
}

std::optional<PcmSound> EspeakSpeechEngine::Synthesize(std::string_view text,
                                                       std::string_view description,
                                                       std::stop_token stop) {
  const InstalledVoice* voice = Find(description);
  if (!Ready() || voice == nullptr) return std::nullopt;
  const std::string utf8 = Cp1252ToUtf8(text);
  PcmSound sound{.sampleRate = sampleRate_, .channels = 1, .samples = {}};
  Synthesis synthesis{sound.samples, std::move(stop)};
  std::lock_guard lock(Library().mutex);
  if (!UseVoice(*voice) || !SynthesizeUtf8(utf8, synthesis)) return std::nullopt;
  return sound;
}

std::string EspeakSpeechEngine::Phonemes(std::string_view text, std::string_view description) {
  const InstalledVoice* voice = Find(description);
  if (!Ready() || voice == nullptr) return {};
  const std::string utf8 = Cp1252ToUtf8(text);
  std::vector<int16_t> unheard;
  Synthesis synthesis{unheard, {}};
  char* trace = nullptr;
  std::size_t traceSize = 0;
  FILE* traceStream = open_memstream(&trace, &traceSize);
  if (traceStream == nullptr) return {};
  {
    std::lock_guard lock(Library().mutex);
    // The trace of a synthesis: what espeak-ng made of the very text it
    // speaks, one clause a line.
    espeak_SetPhonemeTrace(1, traceStream);
    if (UseVoice(*voice)) SynthesizeUtf8(utf8, synthesis);
    espeak_SetPhonemeTrace(0, nullptr);
  }
  std::fclose(traceStream);
  std::string phonemes;
  for (const std::string& clause : Split(trace == nullptr ? "" : trace, "\n")) {
    const std::string_view trimmed = Trim(clause);
    if (trimmed.empty()) continue;
    if (!phonemes.empty()) phonemes += ' ';
    phonemes += trimmed;
  }
  std::free(trace);
  return phonemes;
}

const EspeakSpeechEngine::InstalledVoice* EspeakSpeechEngine::Find(
    std::string_view description) const {
  const auto voice = std::find_if(
      voices_.begin(), voices_.end(),
      [&](const InstalledVoice& candidate) { return candidate.description == description; });
  return voice == voices_.end() ? nullptr : &*voice;
}

bool EspeakSpeechEngine::UseVoice(const InstalledVoice& voice) {
  // A name that is a voice file loads that file.
  return espeak_SetVoiceByName(voice.identifier.c_str()) == EE_OK;
}

void EspeakSpeechEngine::Heard(PlayOutcome outcome) {
  if (outcome == PlayOutcome::kNoDevice) {
    ReportOnce(reportedDevice_,
               "N\xe3o foi encontrado nenhum dispositivo de som: a fala vai ficar em "
               "sil\xeancio.");
  } else if (outcome == PlayOutcome::kFailed) {
    ReportOnce(reportedRefusal_, "O dispositivo de som recusou a fala.");
  }
}

void EspeakSpeechEngine::SynthesisFailed() {
  ReportOnce(reportedSynthesis_, "O sintetizador de fala espeak-ng falhou ao dizer um texto.");
}

void EspeakSpeechEngine::ReportOnce(bool& reported, std::string_view line) {
  std::lock_guard lock(reportMutex_);
  if (reported) return;
  reported = true;
  if (report_) report_(line);
}

}  // namespace vorelio
