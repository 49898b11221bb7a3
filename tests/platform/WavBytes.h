// WAV files made byte by byte for the tests of the reader and the key sound.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorelio::testing {

inline std::string Le16(uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}
inline std::string Le32(uint32_t value) {
  return Le16(static_cast<uint16_t>(value & 0xFFFF)) + Le16(static_cast<uint16_t>(value >> 16));
}

// One chunk with its header and, for an odd size, its pad byte.
inline std::string Chunk(std::string_view id, std::string_view body) {
  std::string chunk =
      std::string(id) + Le32(static_cast<uint32_t>(body.size())) + std::string(body);
  if (body.size() % 2 == 1) chunk += '\0';
  return chunk;
}

// The 16 bytes of a plain "fmt " chunk body.
inline std::string FormatBody(uint16_t encoding, uint16_t channels, uint32_t rate, uint16_t bits,
                              uint16_t blockAlign = 0) {
  if (blockAlign == 0) blockAlign = static_cast<uint16_t>(channels * bits / 8);
  return Le16(encoding) + Le16(channels) + Le32(rate) + Le32(rate * blockAlign) +
         Le16(blockAlign) + Le16(bits);
}

// A RIFF WAVE file holding `chunks`.
inline std::string Riff(std::string_view chunks) {
  return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + std::string(chunks);
}

// A 16-bit PCM file of `frames` frames of silence.
inline std::string SilentWav(uint32_t rate, uint16_t channels, int frames) {
  return Riff(Chunk("fmt ", FormatBody(1, channels, rate, 16)) +
              Chunk("data", std::string(static_cast<std::size_t>(frames) * channels * 2, '\0')));
}

}  // namespace vorelio::testing
