// Reads WAV files (RIFF WAVE with PCM samples) such as the key sound, and
// writes them (the sound of a voice, to be heard elsewhere).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/AudioOutput.h"

namespace vorelio {

// The sound in the bytes of a WAV file: PCM (format 1, or the extensible
// format with the PCM sub-format) of 8 bits (unsigned, widened to 16) or 16
// bits (signed little-endian), 1 to 16 channels, with a "fmt " and a "data"
// chunk in any order (other chunks are skipped). A trailing part frame is
// dropped. On anything else - not RIFF WAVE, another encoding or sample
// size, a chunk cut short, no samples - returns nothing and sets `error`
// (optional) to a short Portuguese reason (Windows-1252).
std::optional<PcmSound> ReadWav(std::string_view bytes, std::string* error = nullptr);

// The bytes of a 16-bit PCM WAV file holding `sound`, which must have a
// rate and channels.
std::string WriteWav(const PcmSound& sound);

}  // namespace vorelio
