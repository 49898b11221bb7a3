// predarin-speak: says a text with one of the program's voices, or writes
// what the voice says to a WAV file, so that a voice can be heard and
// measured without the program.
//
//   predarin-speak [--voice NAME] [--wav FILE] TEXT
//   predarin-speak --list
//
// --list prints the voices as the speech options page lists them, the
// default one marked with "*". TEXT and NAME may be UTF-8 or Windows-1252.
// The duration and the loudness (RMS of the 16-bit samples) of the sound
// are printed. Exit 1 when the voice does not exist, the sound cannot be
// made, written or played (no sound device); 2 for bad arguments.
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/NativePath.h"
#include "common/Text.h"
#include "platform/AtomicFile.h"
#include "platform/PosixFileSystem.h"
#include "platform/WavFile.h"
#include "platform/linux/AlsaAudioOutput.h"
#include "speech/espeak/EspeakSpeechEngine.h"

namespace vorelio {
namespace {

struct Arguments {
  bool list = false;
  std::string voice;  // Windows-1252; empty for the default voice
  std::string wav;    // a program path; empty to play the sound
  std::string text;   // Windows-1252
};

void PrintUsage() {
  std::fputs(
      "usage: predarin-speak [--voice NAME] [--wav FILE] TEXT\n"
      "       predarin-speak --list\n",
      stderr);
}

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
  bool hasText = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--list") {
      arguments.list = true;
    } else if (flag == "--voice" && hasValue) {
      arguments.voice = UserTextToCp1252(argv[++i]);
    } else if (flag == "--wav" && hasValue) {
      arguments.wav = ProgramPath(argv[++i]);
    } else if (!flag.starts_with("--") && !hasText) {
      arguments.text = UserTextToCp1252(flag);
      hasText = true;
    } else {
      std::fprintf(stderr, "unknown or incomplete argument: %s\n", argv[i]);
      return false;
    }
  }
  return arguments.list != hasText;
}

double Rms(const PcmSound& sound) {
  double sum = 0;
  for (const int16_t sample : sound.samples) sum += static_cast<double>(sample) * sample;
  return sound.samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(sound.samples.size()));
}

int Run(int argc, char** argv) {
  Arguments arguments;
  if (!ParseArguments(argc, argv, arguments)) {
    PrintUsage();
    return 2;
  }
  AlsaAudioOutput output;
  EspeakSpeechEngine engine(output);
  if (!engine.Ready()) return 1;
  if (arguments.list) {
    for (const std::string& voice : engine.VoiceDescriptions()) {
      std::printf("%s %s\n", voice == engine.DefaultVoice() ? "*" : " ",
                  Cp1252ToUtf8(voice).c_str());
    }
    return 0;
  }

  const std::string voice = arguments.voice.empty() ? engine.DefaultVoice() : arguments.voice;
  const std::optional<PcmSound> sound = engine.Synthesize(arguments.text, voice);
  if (!sound) {
    std::fprintf(stderr, "no sound: \"%s\" is not a voice (see --list), or espeak-ng failed\n",
                 Cp1252ToUtf8(voice).c_str());
    return 1;
  }
  std::printf("%s: %.2f s at %d Hz, RMS %.0f\n", Cp1252ToUtf8(voice).c_str(),
              static_cast<double>(sound->Frames()) / sound->sampleRate, sound->sampleRate,
              Rms(*sound));
  if (!arguments.wav.empty()) {
    PosixFileSystem files;
    if (!WriteFileAtomically(files, arguments.wav, WriteWav(*sound))) {
      std::fprintf(stderr, "could not write %s\n", NativePath(arguments.wav).c_str());
      return 1;
    }
    return 0;
  }
  if (sound->samples.empty()) return 0;
  switch (output.Play(*sound, {})) {
    case PlayOutcome::kFinished:
      return 0;
    case PlayOutcome::kNoDevice:
      std::fputs("no sound device\n", stderr);
      return 1;
    default:
      std::fputs("the sound device refused the sound\n", stderr);
      return 1;
  }
}

}  // namespace
}  // namespace vorelio

int main(int argc, char** argv) { return vorelio::Run(argc, argv); }
