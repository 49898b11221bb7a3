// The Windows virtual-key codes by which the program knows its keys (options,
// logs and the hook library's reports use them on every desktop).
#pragma once

#include <cstdint>

namespace vorelio::vk {

inline constexpr uint8_t kBack = 0x08;
inline constexpr uint8_t kTab = 0x09;
inline constexpr uint8_t kReturn = 0x0D;
inline constexpr uint8_t kShift = 0x10;
inline constexpr uint8_t kControl = 0x11;
inline constexpr uint8_t kMenu = 0x12;  // Alt
inline constexpr uint8_t kCapital = 0x14;
inline constexpr uint8_t kSpace = 0x20;
inline constexpr uint8_t kPrior = 0x21;  // Page Up
inline constexpr uint8_t kNext = 0x22;   // Page Down
inline constexpr uint8_t kEnd = 0x23;
inline constexpr uint8_t kHome = 0x24;
inline constexpr uint8_t kLeft = 0x25;
inline constexpr uint8_t kUp = 0x26;
inline constexpr uint8_t kRight = 0x27;
inline constexpr uint8_t kDown = 0x28;
inline constexpr uint8_t kDelete = 0x2E;

}  // namespace vorelio::vk
