// Qt's drawing for programs that open no window (benchmarks, command-line
// tools): while an OffscreenGui lives, fonts can be measured and pictures
// loaded on Qt's offscreen platform. Callers see no Qt type.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "keyboards/KeyFontMetrics.h"
#include "keyboards/KeyPicture.h"
#include "keyboards/OnScreenKeyboard.h"

namespace vorelio {

class OffscreenGui {
 public:
  // Selects the offscreen platform unless QT_QPA_PLATFORM names another.
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The measures of the key font `face` (Windows-1252) at `points`; an
// OffscreenGui (or another Qt application) must live while it is used.
std::unique_ptr<KeyFontMetrics> MeasureKeyFont(std::string_view face, int points);

// Qt's pictogram loader (QtKeyPictureLoader) reading through `files`.
std::unique_ptr<KeyPictureLoader> MakeKeyPictureLoader(FileSystem& files);

// The laid-out `keyboard` drawn as the program draws it into a picture of
// `width` x `height` on the window background `backgroundColour`
// (0x00BBGGRR), as PNG bytes; nothing when it cannot be encoded.
std::optional<std::string> KeyboardPng(const COnScreenKeyboard& keyboard, int width, int height,
                                       int32_t backgroundColour);

}  // namespace vorelio
