#include "platform/WavFile.h"

#include <cstdint>

namespace vorelio {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 16;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::size_t kSubFormatOffset = 24;  // in an extensible format chunk

uint16_t Read16(std::string_view bytes, std::size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                               static_cast<uint8_t>(bytes[at + 1]) << 8);
}

uint32_t Read32(std::string_view bytes, std::size_t at) {
  return static_cast<uint32_t>(Read16(bytes, at)) |
         static_cast<uint32_t>(Read16(bytes, at + 2)) << 16;
}

void Append16(std::string& bytes, uint16_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>(value >> 8);
}

void Append32(std::string& bytes, uint32_t value) {
  Append16(bytes, static_cast<uint16_t>(value & 0xFFFF));
  Append16(bytes, static_cast<uint16_t>(value >> 16));
}

std::optional<PcmSound> Fail(std::string* error, const char* reason) {
  if (error != nullptr) *error = reason;
  return std::nullopt;
}

}  // namespace

std::optional<PcmSound> ReadWav(std::string_view bytes, std::string* error) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return Fail(error, "n\xe3o \xe9 um ficheiro WAV");
  }
  std::string_view format;
  std::string_view data;
  bool sawData = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string_view id = bytes.substr(at, 4);
    const uint32_t size = Read32(bytes, at + 4);
    at += 8;
    if (size > bytes.size() - at) return Fail(error, "o ficheiro WAV est\xe1 incompleto");
    const std::string_view body = bytes.substr(at, size);
    if (id == "fmt ") format = body;
    if (id == "data") {
      data = body;
      sawData = true;
    }
    at += size + (size % 2);  // chunks are padded to an even size
  }
  if (format.size() < kPcmFormatSize) return Fail(error, "o ficheiro WAV n\xe3o diz o seu formato");

  uint16_t encoding = Read16(format, 0);
  if (encoding == kFormatExtensible && format.size() >= kSubFormatOffset + 2) {
    encoding = Read16(format, kSubFormatOffset);
  }
  const int channels = Read16(format, 2);
  const uint32_t rate = Read32(format, 4);
  const int blockAlign = Read16(format, 12);
  const int bits = Read16(format, 14);
  if (encoding != kFormatPcm || (bits != 8 && bits != 16)) {
    return Fail(error, "formato WAV n\xe3o suportado (s\xf3 PCM de 8 ou 16 bits)");
  }
  if (channels < 1 || channels > kMaxChannels || rate == 0 || rate > INT32_MAX ||
      blockAlign != channels * bits / 8) {
    return Fail(error, "o formato do ficheiro WAV \xe9 inv\xe1lido");
  }
  if (!sawData) return Fail(error, "o ficheiro WAV n\xe3o tem som");

  PcmSound sound;
  sound.sampleRate = static_cast<int>(rate);
  sound.channels = channels;
  const std::size_t frames = data.size() / static_cast<std::size_t>(blockAlign);
  if (frames == 0) return Fail(error, "o ficheiro WAV n\xe3o tem som");
  const std::size_t count = frames * static_cast<std::size_t>(channels);
  sound.samples.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    sound.samples.push_back(bits == 8
                                ? static_cast<int16_t>((static_cast<uint8_t>(data[i]) - 128) * 256)
                                : static_cast<int16_t>(Read16(data, 2 * i)));
  }
  return sound;
}

std::string WriteWav(const PcmSound& sound) {
  const auto blockAlign = static_cast<uint16_t>(sound.channels * 2);
  const auto dataSize = static_cast<uint32_t>(sound.samples.size() * 2);
  std::string bytes = "RIFF";
  Append32(bytes, static_cast<uint32_t>(4 + 8 + kPcmFormatSize + 8 + dataSize));
  bytes += "WAVEfmt ";
  Append32(bytes, kPcmFormatSize);
  Append16(bytes, kFormatPcm);
  Append16(bytes, static_cast<uint16_t>(sound.channels));
  Append32(bytes, static_cast<uint32_t>(sound.sampleRate));
  Append32(bytes, static_cast<uint32_t>(sound.sampleRate) * blockAlign);
  Append16(bytes, blockAlign);
  Append16(bytes, 16);
  bytes += "data";
  Append32(bytes, dataSize);
  for (const int16_t sample : sound.samples) Append16(bytes, static_cast<uint16_t>(sample));
  return bytes;
}

}  // namespace vorelio
