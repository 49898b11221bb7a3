// Doubles for the keyboard model's tests: a picture loader of fixed sizes,
// a window that records what keys post, and a repaint recorder.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "keyboards/ColorButton.h"
#include "keyboards/KeyFontMetrics.h"
#include "platform/MessageNumbers.h"
#include "platform/Messages.h"

namespace vorelio::testing {

// A key font of fixed measures: labels 10 pixels a character unless given
// a width of their own.
class FixedFont : public KeyFontMetrics {
 public:
  int TextWidth(std::string_view label) const override {
    const auto own = widths.find(std::string(label));
    return own != widths.end() ? own->second : 10 * static_cast<int>(label.size());
  }
  int AverageCharWidth() const override { return 8; }
  int LineHeight() const override { return 15; }
  std::map<std::string, int> widths;
};

// A key record with its type alone.
inline COnScreenKeyData OfType(std::string type) {
  COnScreenKeyData data;
  data.type = std::move(type);
  return data;
}

// A normal key whose label, description and output are all `label`.
inline COnScreenKeyData TextKey(const std::string& label, int32_t active = 1) {
  return {"TECLA_NORMAL", label, "", label, label, active, kGroupDefaultColour, kGroupDefaultColour};
}

struct FixedPicture final : KeyPicture {
  FixedPicture(int width, int height) : width(width), height(height) {}
  int Width() const override { return width; }
  int Height() const override { return height; }
  int width;
  int height;
};

// Every pictogram whose name holds "missing" fails to load; the others are
// 30 x 20, joined side by side.
class FakePictureLoader final : public KeyPictureLoader {
 public:
  std::shared_ptr<const KeyPicture> Load(const std::string& dataFolder,
                                         const std::vector<std::string>& references) override {
    std::string call = dataFolder + "|";
    int loaded = 0;
    for (const std::string& reference : references) {
      call += reference + ";";
      if (reference.find("missing") == std::string::npos) ++loaded;
    }
    calls.push_back(call);
    if (loaded == 0) return nullptr;
    return std::make_shared<FixedPicture>(30 * loaded, 20);
  }
  std::vector<std::string> calls;  // "folder|ref;ref;"
};

// The controller's window: records "NAME wParam lParam" per message.
class RecordingWindow final : public MessageHandler {
 public:
  void HandleMessage(uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override {
    static const std::map<uint32_t, std::string> kNames = {
        {WM_KEY_PRESSED, "pressed"},       {WM_HOOK_LEFT_BUTTON_DOWN, "left-down"},
        {WM_KEY_DOUBLE_CLICK, "double"},   {WM_HOOK_MOUSE_MOVE, "move"},
        {WM_KEY_HOVER, "hover"}};
    const auto name = kNames.find(message);
    if (!log.empty()) log += "; ";
    log += (name == kNames.end() ? std::to_string(message) : name->second) + " " +
           std::to_string(wParam) + " " + std::to_string(lParam);
  }
  std::string log;
};

// Which keys were repainted, as "line.group.key" in order.
class RepaintRecorder final : public KeyRepaintListener {
 public:
  void KeyChanged(const CColorButton& key) override {
    if (!log.empty()) log += " ";
    log += key.Position().Text();
  }
  std::string Take() { return std::exchange(log, {}); }
  std::string log;
};

}  // namespace vorelio::testing
